#pragma once

#include "FolderPath.h"

#include <QObject>
#include <QString>

#include <set>
#include <string>
#include <vector>

class FolderWatch;
class SettingsStore;

// What "Tidy Automatically" keeps between runs: the switch and the settle time as the
// settings have them, the FolderWatch on the selected folder, the names that settled
// and wait for a run, and the names an undo put back. It starts no run: whoever hears
// namesWaiting decides when one may, and takes the names with takeWaiting().
class AutoTidy : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultSettleSeconds = 60;

    // `settings` must outlive this. `watch`, adopted as a child, is given the settle
    // time of the settings; none means one on inotify.
    AutoTidy(SettingsStore &settings, FolderWatch *watch, QObject *parent = nullptr);

    bool isOn() const { return m_isOn; }
    int settleSeconds() const { return m_settleSeconds; }
    // Stores the switch and starts or stops the watch; false when it was so already.
    bool setOn(bool on);
    // The selected folder, empty for none: the watch moves there, and what settled in
    // or was put back into the folder before is forgotten.
    void setFolder(const FolderPath &folder);
    bool hasWaiting() const { return !m_settled.empty(); }
    // The names waiting, each once, sorted; a name an undo put back is left out, once
    // only: a file put back and then changed by the user is tidied again.
    // Those whose last change ended a write go to `writtenWhole` as well.
    std::vector<std::string> takeWaiting(std::vector<std::string> &writtenWhole);
    // After a run in `folder`: names still being written, or the folder busy with
    // tidyra-cli, are watched again.
    void retry(const FolderPath &folder, const std::vector<std::string> &names);
    // After an undo in `folder`: `names` are back in it, to be left there.
    void leaveAlone(const FolderPath &folder, std::vector<std::string> names);

signals:
    // Names of the selected folder settled and wait for a run.
    void namesWaiting();
    // The watch has stopped, and why (an engine failure's text, untranslated).
    void watchFailed(const QString &why);

private:
    void takeSettled(
        const std::vector<std::string> &names, const std::vector<std::string> &writtenWhole);
    // Starts, moves or stops the watch as the switch and the folder say.
    void follow();

    SettingsStore &m_settings;
    bool m_isOn;
    int m_settleSeconds;
    FolderPath m_folder;
    std::vector<std::string> m_settled; // of m_folder, for the next automatic run
    std::set<std::string> m_writtenWhole; // of those, the ones last closed after writing
    // Names an undo put back: their next settling is the undo's own doing, not a file
    // to tidy, or tidying would take back the undo.
    std::set<std::string> m_putBack;
    FolderWatch *m_watch; // a child
};
