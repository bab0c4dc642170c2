#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QTest>

#include "look.hpp"
#include "main_window.hpp"
#include "window_driver.hpp"

using kolva::Box;
using kolva::List;
using kolva::testing_support::figuresOf;
using kolva::ui::MainWindow;

namespace {

QString accessibleText(QWidget* widget, QAccessible::Text which) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface != nullptr ? iface->text(which) : QString();
}

// What a screen reader calls the window's control named `objectName`.
QString nameOf(const QWidget& window, const char* objectName) {
    return accessibleText(window.findChild<QWidget*>(QString::fromLatin1(objectName)),
                          QAccessible::Name);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kolva::ui::prepareApplication(); }

    void everyControlAndFigureHasANameAndHelp() {
        MainWindow window;
        QList<QWidget*> controls;
        for (QComboBox* combo : window.findChildren<QComboBox*>()) {
            controls.append(combo);
        }
        for (QCheckBox* box : window.findChildren<QCheckBox*>()) {
            controls.append(box);
        }
        for (const char* name : {"Label4", "Text31", "Text32"}) {
            controls.append(window.findChild<QWidget*>(QString::fromLatin1(name)));
        }
        QCOMPARE(controls.size(), 17 + 9 + 3);
        for (QWidget* control : controls) {
            QVERIFY2(!accessibleText(control, QAccessible::Name).isEmpty(),
                     qPrintable(control->objectName()));
            QVERIFY2(!accessibleText(control, QAccessible::Description).isEmpty(),
                     qPrintable(control->objectName()));
        }
        // A list reads as its chosen entry, described by what it chooses.
        QCOMPARE(accessibleText(window.list(List::ProcessorModel), QAccessible::Name),
                 QStringLiteral("Select From Below"));
        QCOMPARE(accessibleText(window.list(List::ProcessorModel), QAccessible::Description),
                 QStringLiteral("Processor model"));
        QCOMPARE(accessibleText(window.checkBox(Box::UsbController), QAccessible::Description),
                 QStringLiteral("Indicates a USB controller is present in system"));
        QCOMPARE(nameOf(window, "Image1"), QStringLiteral("Quit"));
        QCOMPARE(nameOf(window, "Image2"), QStringLiteral("Drag to move"));
    }

    void figuresAreReadWithTheirMeaning() {
        MainWindow window;
        window.show();
        QTest::mouseClick(window.checkBox(Box::ScsiCard), Qt::LeftButton);
        QCOMPARE(nameOf(window, "Label4"), QStringLiteral("Stock Speeds: 60"));
        QCOMPARE(nameOf(window, "Text32"), QStringLiteral("Heavy Overclock: 66"));
    }

    // The offscreen platform has no accessibility bridge to carry events, so
    // this checks what a screen reader reads after the change.
    void helpLineReadsTheNewHelp() {
        MainWindow window;
        window.show();
        auto* help = window.findChild<QWidget*>(QStringLiteral("help"));
        QTest::mouseClick(window.checkBox(Box::SoundCard), Qt::LeftButton);
        QCOMPARE(accessibleText(help, QAccessible::Name),
                 QStringLiteral("Indicates a Sound Card is present"));
    }

    void keyboardOnlyJourney() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), window.list(List::ProcessorModel));

        const auto press = [](Qt::Key key, int times = 1) {
            for (int i = 0; i < times; ++i) {
                QTest::keyClick(QApplication::focusWidget(), key);
            }
        };
        press(Qt::Key_Down, 15);  // "Pentium 4 Prescott"
        QCOMPARE(window.list(List::ProcessorModel)->currentText(),
                 QStringLiteral("Pentium 4 Prescott"));
        press(Qt::Key_Tab);
        press(Qt::Key_Down, 2);  // two processors
        press(Qt::Key_Tab, 9);
        QCOMPARE(QApplication::focusWidget(), window.checkBox(Box::UsbController));
        press(Qt::Key_Space);
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.list(List::UsbDevices));
        press(Qt::Key_Down, 3);  // three USB devices

        // 178 + 10 + 15 + 35 = 238; 249.9; 261.8
        QCOMPARE(figuresOf(window).stock, QStringLiteral("238"));
        QCOMPARE(nameOf(window, "Text31"), QStringLiteral("Mild Overclock: 249"));
        QCOMPARE(figuresOf(window).heavy, QStringLiteral("261"));

        // Opened, walked and closed with Escape, the list still shows "3", and
        // readers are offered that entry as its value, not the one walked to.
        QComboBox& devices = *window.list(List::UsbDevices);
        QTest::keyClick(&devices, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(devices.view()->isVisible());
        press(Qt::Key_Down);
        QTest::keyClick(devices.view(), Qt::Key_Escape);
        QTRY_VERIFY(!devices.view()->isVisible());
        QCOMPARE(devices.currentText(), QStringLiteral("3"));
        const auto offered = [&devices] {
            const QModelIndexList selected = devices.view()->selectionModel()->selectedIndexes();
            return selected.size() == 1 ? selected.first().data().toString() : QString();
        };
        QTRY_COMPARE(offered(), QStringLiteral("3"));

        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
