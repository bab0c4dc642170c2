#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "look.hpp"
#include "main_window.hpp"

using kolva::ui::MainWindow;

// Run once per screen scale (QT_SCALE_FACTOR): the window keeps its logical
// size, its texts fit and its artwork is drawn at the full physical resolution.
class HighDpiTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kolva::ui::prepareApplication(); }

    // Centred on the screen where it fits; else with its top-left corner on
    // the screen, its banner in sight.
    void keepsLogicalSizeAndRendersAtPhysicalSize() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(425, 551));
        const QRect screen = window.screen()->availableGeometry();
        const QRect placed = window.frameGeometry();
        QVERIFY2(screen.contains(placed.topLeft()),
                 qPrintable(QStringLiteral("the window starts at %1,%2 on a %3x%4 screen")
                                .arg(placed.x())
                                .arg(placed.y())
                                .arg(screen.width())
                                .arg(screen.height())));
        if (screen.contains(placed)) {
            QVERIFY(qAbs(placed.center().y() - screen.center().y()) <= 1);
        }
        const QPixmap grab = window.grab();
        const qreal ratio = window.devicePixelRatioF();
        QCOMPARE(grab.devicePixelRatio(), ratio);
        QCOMPARE(grab.size(), (QSizeF(425, 551) * ratio).toSize());
        if (ratio == 2) {
            const QString path = QDir::current().filePath(QStringLiteral("kolva-window@2x.png"));
            QVERIFY(grab.save(path));
        }
    }

    void hairlineStaysOnePhysicalPixel() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage image = window.grab().toImage();
        const qreal ratio = window.devicePixelRatioF();
        // The left margin shows the background between the panel and the
        // bottom band, where the hairline runs.
        const int column = qRound(5 * ratio);
        int hairlineRows = 0;
        for (int y = qRound(505 * ratio); y < qRound(520 * ratio); ++y) {
            hairlineRows += image.pixelColor(column, y) == QColor(0x9C, 0xB8, 0xFF) ? 1 : 0;
        }
        QCOMPARE(hairlineRows, 1);
    }

    void textsFitTheirControls() {
        MainWindow window;
        window.show();
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(needed <= label->contentsRect().width(),
                     qPrintable(QStringLiteral("%1 needs %2 of %3")
                                    .arg(label->objectName())
                                    .arg(needed)
                                    .arg(label->contentsRect().width())));
        }
        for (const QCheckBox* box : window.findChildren<QCheckBox*>()) {
            QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->objectName()));
        }
    }
};

QTEST_MAIN(HighDpiTest)
#include "hidpi_test.moc"
