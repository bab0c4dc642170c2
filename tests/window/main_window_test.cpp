#include "main_window.hpp"
#include "makeup_panel.hpp"

#include <QDir>
#include <QGroupBox>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>

#include "look.hpp"
#include "window_driver.hpp"

using kolva::Box;
using kolva::List;
using kolva::testing_support::figuresOf;
using kolva::testing_support::helpOf;
using kolva::testing_support::pickFromPopup;
using kolva::ui::MainWindow;
using kolva::ui::MakeUpPanel;

namespace {

void sendMouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, local, target->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Counts the paint events that reach a widget.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget& widget) : QObject(&widget) { widget.installEventFilter(this); }
    int count() const { return count_; }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        count_ += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }

private:
    int count_ = 0;
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    // How the make-up looks for a SCSI card when Shift+F1 first shows it.
    static QImage makeUpShownFirstByKeyboard() {
        MainWindow window;
        window.show();
        if (!QTest::qWaitForWindowActive(&window)) {
            return {};
        }
        QTest::mouseClick(window.checkBox(Box::ScsiCard), Qt::LeftButton);
        QTest::keyClick(&window, Qt::Key_F1, Qt::ShiftModifier);
        return window.grab(window.makeUpPanel()->geometry()).toImage();
    }

private Q_SLOTS:
    void initTestCase() { kolva::ui::prepareApplication(); }

    void startupShowsEntryZeroAndZeroFigures() {
        MainWindow window;
        QCOMPARE(helpOf(window), QStringLiteral("Kolva v1.0"));
        QCOMPARE(figuresOf(window).stock, QStringLiteral("0"));
        QCOMPARE(figuresOf(window).mild, QStringLiteral("0"));
        QCOMPARE(figuresOf(window).heavy, QStringLiteral("0"));
        for (QComboBox* combo : window.findChildren<QComboBox*>()) {
            QCOMPARE(combo->currentIndex(), 0);
            QVERIFY2(!combo->isEditable(), qPrintable(combo->objectName()));
        }
        QVERIFY(!window.list(List::UsbDevices)->isEnabled());
        QVERIFY(!window.list(List::FirewireDevices)->isEnabled());
        QCOMPARE(window.list(List::ProcessorModel)->currentText(),
                 QStringLiteral("Select From Below"));
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(window.size(), QSize(425, 551));
        QCOMPARE(window.minimumSize(), window.maximumSize());
    }

    void processorJourney() {
        MainWindow window;
        window.show();
        QVERIFY(pickFromPopup(*window.list(List::ProcessorModel),
                              QStringLiteral("Pentium 4 Prescott")));
        QCOMPARE(helpOf(window), QStringLiteral("Central Processing Unit"));
        QCOMPARE(figuresOf(window).stock, QStringLiteral("0"));
        QVERIFY(pickFromPopup(*window.list(List::ProcessorCount), QStringLiteral("2")));
        QCOMPARE(helpOf(window), QStringLiteral("# of CPU's in system"));
        // 178 + 35 = 213; 223.65; 234.3
        QCOMPARE(figuresOf(window).stock, QStringLiteral("213"));
        QCOMPARE(figuresOf(window).mild, QStringLiteral("223"));
        QCOMPARE(figuresOf(window).heavy, QStringLiteral("234"));

        // A blank separator shows empty but keeps the processor counted.
        QVERIFY(pickFromPopup(*window.list(List::ProcessorModel), QString()));
        QCOMPARE(window.list(List::ProcessorModel)->currentText(), QString());
        QCOMPARE(figuresOf(window).stock, QStringLiteral("213"));
    }

    void keyboardPicksReachTheEstimate() {
        MainWindow window;
        window.show();
        QComboBox* disks = window.list(List::HardDrives);
        disks->setFocus();
        QTest::keyClick(disks, Qt::Key_Down);
        QTest::keyClick(disks, Qt::Key_Down);
        QCOMPARE(disks->currentText(), QStringLiteral("2"));
        QCOMPARE(helpOf(window), QStringLiteral("# of Hard Disk Drives in system"));
        QCOMPARE(figuresOf(window).stock, QStringLiteral("85"));
        QTest::keyClicks(disks, QStringLiteral("x"));
        QCOMPARE(disks->currentText(), QStringLiteral("2"));
    }

    void busBoxEnablesAndResetsItsList() {
        MainWindow window;
        window.show();
        QCheckBox* usb = window.checkBox(Box::UsbController);
        QComboBox* devices = window.list(List::UsbDevices);
        QTest::mouseClick(usb, Qt::LeftButton);
        QVERIFY(usb->isChecked());
        QVERIFY(devices->isEnabled());
        QCOMPARE(helpOf(window), QStringLiteral("Indicates a USB controller is present in system"));
        QCOMPARE(figuresOf(window).stock, QStringLiteral("45"));

        QVERIFY(pickFromPopup(*devices, QStringLiteral("4")));
        QCOMPARE(figuresOf(window).stock, QStringLiteral("65"));
        QCOMPARE(figuresOf(window).heavy, QStringLiteral("71"));

        QTest::mouseClick(usb, Qt::LeftButton);
        QVERIFY(!devices->isEnabled());
        QCOMPARE(devices->currentText(), QStringLiteral("0"));
        QCOMPARE(figuresOf(window).stock, QStringLiteral("0"));
    }

    void componentBoxToggles() {
        MainWindow window;
        window.show();
        QCheckBox* scsi = window.checkBox(Box::ScsiCard);
        QTest::mouseClick(scsi, Qt::LeftButton);
        QCOMPARE(figuresOf(window).stock, QStringLiteral("60"));
        scsi->setFocus();
        QTest::keyClick(scsi, Qt::Key_Space);
        QVERIFY(!scsi->isChecked());
        QCOMPARE(figuresOf(window).stock, QStringLiteral("0"));
    }

    void explanationsChangeOnlyTheHelpLine_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("help");
        QTest::newRow("tec caption") << "Label18"
                                     << "Thermoelectret, or Peltier cooling";
        QTest::newRow("stock figure") << "Label4"
                                      << "Suggested wattage requirement";
        QTest::newRow("mild figure") << "Text31"
                                     << "Suggested wattage requirement while mildly overclocked";
        QTest::newRow("heavy figure") << "Text32"
                                      << "Suggested wattage requirement while heavily overclocked";
        QTest::newRow("other label is inert") << "Label10"
                                              << "Kolva v1.0";
    }

    void explanationsChangeOnlyTheHelpLine() {
        QFETCH(QString, control);
        QFETCH(QString, help);
        MainWindow window;
        window.show();
        auto* widget = window.findChild<QWidget*>(control);
        QVERIFY(widget != nullptr);
        QTest::mouseClick(widget, Qt::LeftButton);
        QCOMPARE(helpOf(window), help);
        QCOMPARE(figuresOf(window).stock, QStringLiteral("0"));
    }

    // A figure hovered, or Ctrl+F1 from the keyboard (figure -1): the
    // make-up shows above the figures until Escape, which gives the keyboard
    // back and does nothing else. Shown again from the keyboard it looks as
    // it looks when the keyboard shows it first, and Tab gives the keyboard
    // back too.
    void theMakeUpShowsAboveTheFiguresUntilEscape_data() {
        QTest::addColumn<int>("figure");
        QTest::newRow("stock") << 0;
        QTest::newRow("mild") << 1;
        QTest::newRow("heavy") << 2;
        QTest::newRow("Shift+F1") << -1;
        QTest::newRow("Ctrl+F1") << -2;
    }

    void theMakeUpShowsAboveTheFiguresUntilEscape() {
        QFETCH(int, figure);
        const QImage firstShown = makeUpShownFirstByKeyboard();
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(window.checkBox(Box::ScsiCard), Qt::LeftButton);
        QWidget* focused = QApplication::focusWidget();
        if (figure < 0) {
            QTest::keyClick(&window, Qt::Key_F1,
                            figure == -1 ? Qt::ShiftModifier : Qt::ControlModifier);
        } else {
            QWidget* label = window.figure(static_cast<std::size_t>(figure));
            const QPoint middle = label->rect().center();
            QHelpEvent hover(QEvent::ToolTip, middle, label->mapToGlobal(middle));
            QApplication::sendEvent(label, &hover);
        }
        QVERIFY(window.makeUpPanel() != nullptr);
        const MakeUpPanel& panel = *window.makeUpPanel();
        QVERIFY(panel.isVisible());
        // Shown by hovering, it leaves the keyboard where it was, and a click
        // on it closes it rather than reaching the text.
        if (figure >= 0) {
            QCOMPARE(QApplication::focusWidget(), focused);
            QTest::mouseClick(panel.findChild<QPlainTextEdit*>()->viewport(), Qt::LeftButton);
            QVERIFY(!panel.isVisible());
            QCOMPARE(QApplication::focusWidget(), focused);
            QWidget* label = window.figure(static_cast<std::size_t>(figure));
            const QPoint middle = label->rect().center();
            QHelpEvent hover(QEvent::ToolTip, middle, label->mapToGlobal(middle));
            QApplication::sendEvent(label, &hover);
            QVERIFY(panel.isVisible());
        }
        QCOMPARE(panel.text(), QStringLiteral("How the estimate is made:\n"
                                              "SCSI Card\t\t25 W\n"
                                              "Overhead\t\t35 W\n"
                                              "Stock Speeds\ttotal\t60 W\n"
                                              "Mild Overclock\t60 × 1.05\t63 W\n"
                                              "Heavy Overclock\t60 × 1.1\t66 W"));
        const auto* figures = window.findChild<QWidget*>(QStringLiteral("Frame2"));
        QVERIFY(panel.geometry().bottom() < figures->mapTo(&window, QPoint()).y());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!panel.isVisible());
        QCOMPARE(QApplication::focusWidget(), focused);
        QCOMPARE(window.checkBox(Box::ScsiCard)->isChecked(), true);

        QTest::keyClick(&window, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(panel.isVisible());
        QVERIFY2(window.grab(panel.geometry()).toImage() == firstShown,
                 "the make-up looks otherwise than when the keyboard first shows it");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!panel.isVisible());
        QCOMPARE(QApplication::focusWidget(), focused);
    }

    // With every part chosen, each line of the make-up is named by a caption
    // the window shows, alone or followed by its frame's ("Additional PCI
    // Cards"), and the parts come in the window's Tab order.
    void everyMakeUpLineIsNamedAsTheWindowNamesIt() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (QCheckBox* box : window.findChildren<QCheckBox*>()) {
            box->click();
        }
        for (std::size_t i = 0; i < kolva::kListCount; ++i) {
            QComboBox& list = *window.list(static_cast<List>(i));
            QTest::keyClick(&list, Qt::Key_End);
            QCOMPARE(list.currentIndex(), list.count() - 1);
        }
        // Each control's names, in Tab order from the first list.
        QList<QStringList> names;
        QWidget* control = window.list(List::ProcessorModel);
        do {
            const auto* frame = qobject_cast<const QGroupBox*>(control->parentWidget());
            if (frame == nullptr || (qobject_cast<QComboBox*>(control) == nullptr &&
                                     qobject_cast<QCheckBox*>(control) == nullptr)) {
                control = control->nextInFocusChain();
                continue;
            }
            // A box by its caption; a list by its frame's caption, by the
            // caption on its left, or by both ("Additional PCI Cards").
            QStringList own{frame->title()};
            if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
                own = {box->text()};
            }
            for (const QLabel* label : frame->findChildren<QLabel*>()) {
                const QString caption = label->text().chopped(1);
                const QRect at = label->geometry();
                const QRect list = control->geometry();
                if (qobject_cast<QComboBox*>(control) != nullptr &&
                    label->text().endsWith(QLatin1Char(':')) && at.left() < list.left() &&
                    at.top() < list.bottom() && list.top() < at.bottom()) {
                    own += {caption, caption + QLatin1Char(' ') + frame->title()};
                }
            }
            names.append(own);
            control = control->nextInFocusChain();
        } while (control != window.list(List::ProcessorModel));

        QTest::keyClick(&window, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(window.makeUpPanel() != nullptr);
        const QStringList lines = window.makeUpPanel()->text().split(QLatin1Char('\n'));
        qsizetype at = 0;
        for (const QString& line : lines.mid(1)) {
            const QString name = line.section(QLatin1Char('\t'), 0, 0);
            if (name == QLatin1String("Overhead")) {
                break;
            }
            while (at < names.size() && !names[at].contains(name)) {
                ++at;
            }
            QVERIFY2(at < names.size(),
                     qPrintable(name + QLatin1String(" is not named so in the "
                                                     "window, or out of order")));
        }
    }

    // The window's one menu opens from the keyboard anywhere in the window
    // (Shift+F10, the Menu key) and with a right-click on a list, a box or the
    // result frame: its headings, figures and units. It offers every command
    // with its key and a letter to choose it by.
    void theMenuOpensAsDesktopProgramsOpenTheirs() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto openMenu = [] {
            return qobject_cast<QMenu*>(QApplication::activePopupWidget());
        };
        const auto close = [&openMenu] {
            QTest::keyClick(openMenu(), Qt::Key_Escape);
            QTRY_VERIFY(openMenu() == nullptr);
        };
        window.checkBox(Box::TvTuner)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(openMenu() != nullptr);
        QStringList offered;
        for (const QAction* command : openMenu()->actions()) {
            if (!command->isSeparator()) {
                offered.append(command->text() + QLatin1Char(' ') + command->shortcut().toString());
            }
        }
        QCOMPARE(offered.join(QLatin1String(", ")),
                 QStringLiteral("&Copy Estimate Ctrl+C, &Paste Machine Ctrl+V, &Undo Ctrl+Z, "
                                "&Redo Ctrl+Shift+Z, &Start Again Ctrl+N, "
                                "&How the Estimate Is Made Shift+F1, &Keyboard Shortcuts F1, "
                                "&Quit Ctrl+Q"));
        close();
        QCOMPARE(QApplication::focusWidget(), window.checkBox(Box::TvTuner));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Menu);
        QTRY_VERIFY(openMenu() != nullptr);
        close();

        // A letter chooses its command: K, the keys.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Menu);
        QTRY_VERIFY(openMenu() != nullptr);
        QTest::keyClick(openMenu(), Qt::Key_K);
        QTRY_VERIFY(openMenu() == nullptr);
        const auto* keys = window.findChild<const QWidget*>(QStringLiteral("keys"));
        QVERIFY(keys != nullptr && keys->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), window.checkBox(Box::TvTuner));

        const QWidget* frame = window.figure(0)->parentWidget();
        QList<QWidget*> rightClicked = frame->findChildren<QWidget*>();
        rightClicked += {window.list(List::HardDrives), window.checkBox(Box::SoundCard)};
        for (QWidget* part : rightClicked) {
            const QPoint middle = part->rect().center();
            QContextMenuEvent rightClick(QContextMenuEvent::Mouse, middle,
                                         part->mapToGlobal(middle));
            QApplication::sendEvent(part, &rightClick);
            QVERIFY2(openMenu() != nullptr, qPrintable(part->objectName()));
            close();
        }
    }

    void tabFollowsTheDesignedOrderAndSkipsDisabledLists() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.list(List::GraphicsCardCount)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.checkBox(Box::WaterPump));
        window.checkBox(Box::UsbController)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.checkBox(Box::FirewireController));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.list(List::FirewireDevices));
    }

    void draggingTheBackgroundMovesTheWindow() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint start = window.pos();
        auto* handle = window.findChild<QWidget*>(QStringLiteral("Image2"));
        sendMouse(handle, QEvent::MouseButtonPress, {200, 40}, Qt::RightButton, Qt::RightButton);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        sendMouse(handle, QEvent::MouseMove, {230, 60}, Qt::NoButton, Qt::RightButton);
        sendMouse(handle, QEvent::MouseButtonRelease, {230, 60}, Qt::RightButton, Qt::NoButton);
        QCOMPARE(window.pos(), start + QPoint(30, 20));
        sendMouse(handle, QEvent::MouseMove, {260, 90}, Qt::NoButton, Qt::NoButton);
        QCOMPARE(window.pos(), start + QPoint(30, 20));
    }

    void quitPictureClosesTheWindow() {
        MainWindow window;
        window.show();
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("Image1")), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

    void picksDoNotRepaintTheBackground() {
        MainWindow window;
        const PaintCounter paints(*window.findChild<QWidget*>(QStringLiteral("Image2")));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        const int before = paints.count();
        QVERIFY(before > 0);
        QVERIFY(pickFromPopup(*window.list(List::SystemFans), QStringLiteral("3")));
        QTest::mouseClick(window.checkBox(Box::DialUpModem), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(paints.count(), before);
    }

    void rendersToPng() {
        MainWindow window;
        window.show();
        QVERIFY(pickFromPopup(*window.list(List::ProcessorModel),
                              QStringLiteral("Athlon 64 X2 Toledo")));
        QVERIFY(pickFromPopup(*window.list(List::ProcessorCount), QStringLiteral("1")));
        QVERIFY(pickFromPopup(*window.list(List::MemoryType), QStringLiteral("DDR2 SDRAM")));
        QVERIFY(pickFromPopup(*window.list(List::MemoryStickCount), QStringLiteral("2")));
        QVERIFY(pickFromPopup(*window.list(List::GraphicsCardModel),
                              QStringLiteral("GeForce 7800 GT")));
        QVERIFY(pickFromPopup(*window.list(List::GraphicsCardCount), QStringLiteral("1")));
        QVERIFY(pickFromPopup(*window.list(List::OpticalDrive1), QStringLiteral("DVDRW")));
        QVERIFY(pickFromPopup(*window.list(List::HardDrives), QStringLiteral("2")));
        QTest::mouseClick(window.checkBox(Box::SoundCard), Qt::LeftButton);
        const QImage image = window.grab().toImage();
        QCOMPARE(image.size(), QSize(425, 551));
        QCOMPARE(image.pixelColor(200, 550), QColor(Qt::black));
        QVERIFY(image.pixelColor(212, 40) != QColor(Qt::black));
        const QString path = QDir::current().filePath(QStringLiteral("kolva-window.png"));
        QVERIFY(image.save(path));
        qInfo("window rendered to %s", qPrintable(path));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
