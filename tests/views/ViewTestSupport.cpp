#include "ViewTestSupport.h"

#include "ActionArea.h"
#include "ActivitySection.h"
#include "BusySpinner.h"
#include "ContentView.h"
#include "Contrast.h"
#include "FolderHeader.h"
#include "MenuBarView.h"
#include "PlainListView.h"
#include "PreviewRoles.h"
#include "StyledLabel.h"
#include "SymbolView.h"
#include "TidyraApp.h"

#include <QAbstractItemModel>
#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHash>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

ViewModelFixture::ViewModelFixture(std::shared_ptr<FileSystem> wrappedFileSystem)
    : fileSystem(std::move(wrappedFileSystem))
{
    std::filesystem::create_directories(inbox);
    // Runs are recorded beside the inbox, never in the user's own journal.
    qputenv("XDG_STATE_HOME", QByteArray::fromStdString((temp / "state").string()));
    // And by its own rules file, the built-in rules unless the test writes one.
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((temp / "config").string()));
}

std::unique_ptr<FolderOrganizerViewModel> ViewModelFixture::makeViewModel()
{
    return std::make_unique<FolderOrganizerViewModel>(
        std::make_unique<QueuedFolderChooser>(answers),
        std::make_unique<MemorySettingsStore>(restoredFolder),
        std::make_unique<FixedClock>(QStringLiteral("10:30")), fileSystem, nullptr, watch.watch());
}

std::unique_ptr<TidyraApp> ViewModelFixture::makeApp()
{
    return std::make_unique<TidyraApp>(std::make_unique<QueuedFolderChooser>(answers, whileAsking),
        std::make_unique<MemorySettingsStore>(restoredFolder),
        std::make_unique<FixedClock>(QStringLiteral("10:30")), fileSystem, nullptr, watch.watch());
}

namespace {

// Every model a test reads is first checked whole against the rules views rely on
// (indexes, parents, row counts): the preview's tree is packed by hand.
void checkModel(const QAbstractItemModel *model)
{
    const QAbstractItemModelTester tester(const_cast<QAbstractItemModel *>(model),
        QAbstractItemModelTester::FailureReportingMode::QtTest);
}

} // namespace

QStringList rowTexts(const QAbstractItemModel *model)
{
    checkModel(model);
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data(Qt::DisplayRole).toString();
    return texts;
}

namespace {

void appendIndentedLines(
    const QAbstractItemModel *model, const QModelIndex &parent, int depth, QStringList &lines)
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        // The drawn indentation must be the tree's depth, or eyes and ears disagree.
        const int indent = index.data(PreviewRoles::indent).toInt();
        const QString text = index.data(Qt::DisplayRole).toString();
        lines << (indent == depth
                ? QString(qsizetype(2) * indent, QLatin1Char(' ')) + text
                : QStringLiteral("depth %1, indent %2: %3").arg(depth).arg(indent).arg(text));
        appendIndentedLines(model, index, depth + 1, lines);
    }
}

} // namespace

QStringList indentedLines(const QAbstractItemModel *model)
{
    checkModel(model);
    QStringList lines;
    appendIndentedLines(model, {}, 0, lines);
    return lines;
}

QString shown(const ContentView &view)
{
    const FolderHeader *header = view.header();
    const ActionArea *actions = view.actionArea();
    QStringList buttons;
    for (const QPushButton *button : { header->folderButton(), actions->previewButton(),
             actions->organizeButton(), actions->undoButton() })
        buttons << button->text() + (button->isEnabled() ? QString() : QStringLiteral(" (off)"));
    const QCheckBox *tidy = actions->tidyAutomaticallyBox();
    buttons << (tidy->isChecked() ? "[x] " : "[ ] ") + tidy->text()
            + (tidy->isEnabled() ? QString() : QStringLiteral(" (off)"));
    for (const QToolButton *button : { actions->cancelButton(), actions->detailsButton() })
        if (button->isVisibleTo(&view))
            buttons << button->text();
    const QString indicator = QString(actions->spinner()->isVisibleTo(&view) ? "spinner" : "")
        + QString(actions->infoSymbol()->isVisibleTo(&view) ? "info" : "")
        + QString(actions->errorSymbol()->isVisibleTo(&view) ? "error" : "")
        + QString(actions->warningSymbol()->isVisibleTo(&view) ? "warning" : "");
    const ActivitySection *activity = view.activitySection();
    const auto *emptyText = view.findChild<StyledLabel *>(QStringLiteral("activityEmptyText"));
    QString log = rowTexts(activity->logView()->model()).join(QStringLiteral(" / "));
    if (!activity->isShowingLog())
        log = activity->emptyState()->isVisibleTo(&view) ? emptyText->text() : QStringLiteral("?");
    return QStringList { header->titleLabel()->text() + ", " + header->subtitleLabel()->text(),
        buttons.join(QStringLiteral(", ")), indicator + ": " + actions->statusLabel()->text(), log }
        .join(QStringLiteral(" | "));
}

QString menuShown(const TidyraApp &app)
{
    QStringList texts;
    for (const QAction *action : app.menuBarView()->menu()->actions())
        if (action->isVisible())
            texts << (action->isSeparator()
                    ? QStringLiteral("---")
                    : QString(action->isChecked() ? "[x] " : "") + action->iconText()
                        + (action->isEnabled() ? QString() : QStringLiteral(" (off)")));
    return texts.join(QStringLiteral(", "));
}

bool activate(QWidget *window)
{
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

QPalette darkPalette()
{
    QPalette dark;
    for (const auto &[role, color] :
        { std::pair(QPalette::Window, "#353535"), { QPalette::WindowText, "#eeeeec" },
            { QPalette::Base, "#2d2d2d" }, { QPalette::Text, "#eeeeec" },
            { QPalette::Button, "#3a3a3e" }, { QPalette::ButtonText, "#eeeeec" },
            { QPalette::Highlight, "#15539e" }, { QPalette::HighlightedText, "#ffffff" } })
        dark.setColor(role, QColor(color));
    return dark;
}

double contrastOnCommonest(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    const QRgb commonest = *std::max_element(
        counts.keyBegin(), counts.keyEnd(), [&](QRgb a, QRgb b) { return counts[a] < counts[b]; });
    double best = 1;
    for (auto pixel = counts.keyBegin(); pixel != counts.keyEnd(); ++pixel)
        best = std::max(best, Contrast::ratio(QColor(commonest), QColor(*pixel)));
    return best;
}

double focusIndicatorContrast(QWidget *widget)
{
    widget->clearFocus();
    const QImage unfocused = widget->grab().toImage();
    widget->setFocus(Qt::TabFocusReason);
    if (!widget->hasFocus())
        return 1;
    const QImage focused = widget->grab().toImage();
    double best = 1;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x)
            best = std::max(
                best, Contrast::ratio(QColor(focused.pixel(x, y)), QColor(unfocused.pixel(x, y))));
    return best;
}
