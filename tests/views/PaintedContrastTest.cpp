#include "FolderBadge.h"
#include "PlainListView.h"
#include "PreviewView.h"
#include "StyledLabel.h"
#include "SymbolButton.h"
#include "ViewTestSupport.h"
#include "WaitForRun.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// What is painted to be seen, measured as painted in a light and a dark palette: focus
// indicators and symbols stand out from what is behind them by at least 3:1.
class PaintedContrastTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QApplication::setPalette(QPalette()); }
    void focusAndSymbolsStandOut_data();
    void focusAndSymbolsStandOut();
    void aPreviewThatMovesNothingOffersNoApply();
};

void PaintedContrastTest::focusAndSymbolsStandOut_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void PaintedContrastTest::focusAndSymbolsStandOut()
{
    QFETCH(bool, dark);
    QApplication::setPalette(dark ? darkPalette() : QPalette());
    QWidget window;
    auto *close = new SymbolButton(&window);
    close->setIcon(QIcon::fromTheme(QStringLiteral("window-close")));
    close->setGeometry(10, 10, 32, 32);
    auto *list = new PlainListView(&window);
    list->setGeometry(60, 10, 120, 80);
    auto *badge = new FolderBadge(&window);
    badge->move(200, 10);
    window.resize(260, 100);
    window.show();
    QVERIFY(activate(&window));

    const double ring = focusIndicatorContrast(close);
    const double frame = focusIndicatorContrast(list);
    const double symbol = contrastOnCommonest(badge->grab().toImage());
    QVERIFY2(std::min({ ring, frame, symbol }) >= 3,
        qPrintable(QStringLiteral("close button's ring %1, list's frame %2, badge's symbol %3")
                       .arg(ring)
                       .arg(frame)
                       .arg(symbol)));
}

// With "Images" a link Tidyra does not follow, a folder of images moves nothing.
void PaintedContrastTest::aPreviewThatMovesNothingOffersNoApply()
{
    ViewModelFixture fixture;
    const QTemporaryDir outside;
    std::filesystem::create_directory_symlink(
        outside.path().toStdString(), fixture.inbox / "Images");
    fixture.write("a.jpg");
    fixture.restoredFolder = fixture.inboxPath();
    const auto viewModel = fixture.makeViewModel();
    viewModel->generatePreview();
    QVERIFY(waitForRun(*viewModel));
    PreviewView preview(viewModel->currentPlan(), viewModel.get());
    QCOMPARE(
        preview.summaryLabel()->text(), QStringLiteral("0 files will be moved, 1 will be skipped"));
    QVERIFY(!preview.applyButton()->isEnabled());

    fixture.write("b.pdf");
    viewModel->generatePreview();
    QVERIFY(waitForRun(*viewModel));
    PreviewView movable(viewModel->currentPlan(), viewModel.get());
    QVERIFY(movable.applyButton()->isEnabled());
}

QTEST_MAIN(PaintedContrastTest)
#include "PaintedContrastTest.moc"
