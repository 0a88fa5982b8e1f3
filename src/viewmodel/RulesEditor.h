#pragma once

#include "RulesStore.h"
#include "model/RulesDocument.h"

#include <QObject>
#include <QString>

#include <memory>

class QStringListModel;
class RulesCategoryModel;
class RunController;

// What the Rules window edits: the sorting rules as the user's rules file says them,
// changed step by step without writing a line of TOML. Every edit is checked at once
// with SortingRules::fromDocument, on the unsaved edits: `problem` says what is wrong,
// and the window's lists show the last rules that were right. The file is read and
// written on the RunController's worker, through RulesFile, which every run reads too.
// `fileError` is what is wrong with the file on disk, found here or by a run; while it
// is set, the window and the main window offer to open the file or put it aside.
class RulesEditor : public QObject
{
    Q_OBJECT
    // One signal for all but the file's own state: each edit may change any of them.
    Q_PROPERTY(int currentCategory READ currentCategory WRITE setCurrentCategory NOTIFY changed)
    Q_PROPERTY(QString problem READ problem NOTIFY changed)
    Q_PROPERTY(bool isModified READ isModified NOTIFY changed)
    Q_PROPERTY(QString sampleName READ sampleName WRITE setSampleName NOTIFY changed)
    Q_PROPERTY(QString sampleAnswer READ sampleAnswer NOTIFY changed)
    Q_PROPERTY(QString fileError READ fileError NOTIFY fileErrorChanged)
    Q_PROPERTY(bool isLoaded READ isLoaded NOTIFY fileErrorChanged)

public:
    enum class AgeUnit { minutes, hours, days };
    Q_ENUM(AgeUnit)

    explicit RulesEditor(RunController &runs, QObject *parent = nullptr);
    ~RulesEditor() override;

    RulesCategoryModel *categories() const { return m_categories.get(); }
    // The extensions of the current category.
    QStringListModel *extensions() const { return m_extensions.get(); }
    // The shell patterns of the names to leave alone.
    QStringListModel *leaveAloneNames() const { return m_leaveAlone.get(); }

    // A row of categories(); -1 before the rules are read.
    int currentCategory() const { return m_current; }
    QString currentFolder() const;
    bool currentSubfolders() const;
    // Made by the user, so it can be removed.
    bool isCurrentOwn() const;
    // Files changed within this long are left alone; 0: no such rule.
    int ageAmount() const { return m_ageAmount; }
    AgeUnit ageUnit() const { return m_ageUnit; }

    QString problem() const { return m_problem; }
    bool isModified() const { return m_isModified; }
    // Saving takes edits that are right, read from a file that was read.
    bool canSave() const { return m_isModified && m_isRight && m_isLoaded; }
    QString sampleName() const { return m_sampleName; }
    // Where a file of that name would go, or why the edits cannot tell.
    QString sampleAnswer() const;
    QString fileError() const { return m_fileError; }
    bool isLoaded() const { return m_isLoaded; }
    QUrl fileUrl() const { return m_store.url(); }
    QString filePath() const { return m_store.path(); }

public slots:
    // Reads the file again; unsaved edits are dropped.
    void load();
    void setCurrentCategory(int row);
    // False when `text` names no extension.
    bool addExtension(const QString &text);
    void removeExtension(int row);
    void setCurrentFolder(const QString &folder);
    void setCurrentSubfolders(bool on);
    // Adds and selects it; false when the name is empty or taken (then that category
    // is selected), or the edits are wrong with it.
    bool addCategory(const QString &name);
    void removeCurrentCategory();
    bool addLeaveAloneName(const QString &pattern);
    void removeLeaveAloneName(int row);
    void setAge(int amount, AgeUnit unit);
    void setSampleName(const QString &name);
    void save();
    // Renames the file out of the way, so the built-in rules are in force again.
    void setAside();
    // What a run found wrong with the file; empty when a run read it well.
    void setFileError(const QString &error);

signals:
    void changed();
    void fileErrorChanged();
    // The file was written; runs use it from now on.
    void saved();
    // The file was renamed to `path` and the built-in rules are in force.
    void setAsideDone(const QString &path);

private:
    // Takes `document` when the rules it makes are right; otherwise keeps it only when
    // `keepWrong` (a folder name being typed), with `problem` telling why.
    bool apply(RulesDocument document, bool keepWrong = false);
    void takeDocument(RulesDocument document);
    void refreshLists();
    std::string currentName() const;

    RulesStore m_store;
    std::unique_ptr<RulesCategoryModel> m_categories;
    std::unique_ptr<QStringListModel> m_extensions;
    std::unique_ptr<QStringListModel> m_leaveAlone;
    RulesDocument m_document;
    int m_current = -1;
    int m_ageAmount = 0;
    AgeUnit m_ageUnit = AgeUnit::days;
    QString m_problem;
    bool m_isRight = true; // the document makes rules; `problem` may tell of an edit refused
    bool m_isModified = false;
    int m_edits = 0;
    bool m_isLoaded = false;
    QString m_sampleName;
    QString m_fileError;
};
