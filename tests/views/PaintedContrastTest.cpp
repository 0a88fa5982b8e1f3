#include "FolderBadge.h"
#include "PlainListView.h"
#include "SymbolButton.h"
#include "ViewTestSupport.h"

#include <QApplication>
#include <QImage>
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

QTEST_MAIN(PaintedContrastTest)
#include "PaintedContrastTest.moc"
