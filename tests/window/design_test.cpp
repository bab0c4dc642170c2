#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "look.hpp"
#include "main_window.hpp"
#include "placements.hpp"
#include "visible_texts.hpp"

using kolva::Box;
using kolva::List;
using kolva::ui::MainWindow;

namespace {

// The text a frame, label or check box shows.
QString shownText(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
        return frame->title();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        return button->text();
    }
    return QStringLiteral("<a %1>").arg(QString::fromLatin1(control.metaObject()->className()));
}

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString mismatch(const QString& where, const QString& shown, const QString& expected) {
    return QStringLiteral("%1 shows \"%2\", expected \"%3\"").arg(where, shown, expected);
}

QWidget& controlNamed(const QWidget& window, std::string_view name) {
    auto* control = window.findChild<QWidget*>(fromView(name));
    if (control == nullptr) {
        qFatal("the window has no control %s", qPrintable(fromView(name)));
    }
    return *control;
}

Qt::Alignment horizontal(kolva::oracle::Align align) {
    switch (align) {
        case kolva::oracle::Align::Left:
            return Qt::AlignLeft;
        case kolva::oracle::Align::Centre:
            return Qt::AlignHCenter;
        case kolva::oracle::Align::Right:
            return Qt::AlignRight;
    }
    return {};
}

}  // namespace

// Compares the window with an account of its design written out apart from
// its own tables: every text character for character, every list's entries,
// the focus order, where each control stands and how its text looks.
class DesignTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kolva::ui::prepareApplication(); }

    void captionsAndLabelsReadAsWritten() {
        MainWindow window;
        for (const auto& [name, text] : kolva::oracle::shownTexts()) {
            const auto* control = window.findChild<QWidget*>(fromView(name));
            QVERIFY2(control != nullptr,
                     qPrintable(QStringLiteral("no control %1").arg(fromView(name))));
            const QString shown = shownText(*control);
            QVERIFY2(shown == fromView(text),
                     qPrintable(mismatch(fromView(name), shown, fromView(text))));
        }
        const auto textControls = window.findChildren<QLabel*>().size() +
                                  window.findChildren<QGroupBox*>().size() +
                                  window.findChildren<QAbstractButton*>().size();
        QCOMPARE(textControls, kolva::oracle::shownTexts().size());
    }

    void everyListOffersItsEntriesInOrder() {
        MainWindow window;
        for (std::size_t i = 0; i < kolva::kListCount; ++i) {
            const auto list = static_cast<List>(i);
            QComboBox& combo = *window.list(list);
            // What the popup shows is what the user picks from.
            const QAbstractItemModel& popup = *combo.view()->model();
            const std::vector<std::string> expected = kolva::oracle::entryTexts(list);
            QVERIFY2(popup.rowCount() == static_cast<int>(expected.size()),
                     qPrintable(QStringLiteral("%1 has %2 entries, expected %3")
                                    .arg(combo.objectName())
                                    .arg(popup.rowCount())
                                    .arg(expected.size())));
            for (int row = 0; row < popup.rowCount(); ++row) {
                const QString shown = popup.index(row, combo.modelColumn()).data().toString();
                const QString wanted =
                    QString::fromStdString(expected[static_cast<std::size_t>(row)]);
                QVERIFY2(shown == wanted,
                         qPrintable(mismatch(
                             QStringLiteral("%1 entry %2").arg(combo.objectName()).arg(row), shown,
                             wanted)));
            }
        }
    }

    // With both buses enabled every list and box is a stop; Tab visits each
    // once, in the designed order.
    void tabVisitsEveryControlInOrder() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(window.checkBox(Box::UsbController), Qt::LeftButton);
        QTest::mouseClick(window.checkBox(Box::FirewireController), Qt::LeftButton);
        window.list(List::ProcessorModel)->setFocus();
        QStringList visited;
        for (std::size_t stop = 0; stop < kolva::oracle::focusOrder().size(); ++stop) {
            visited.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QStringList expected;
        for (const std::string_view name : kolva::oracle::focusOrder()) {
            expected.append(fromView(name));
        }
        QCOMPARE(visited.join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')));
    }

    void everyControlStandsWhereDesigned() {
        MainWindow window;
        for (const auto& place : kolva::oracle::placements()) {
            const QWidget& control = controlNamed(window, place.control);
            constexpr int kTwipsPerPixel = 15;
            const QRect designed(place.left / kTwipsPerPixel, place.top / kTwipsPerPixel,
                                 place.width / kTwipsPerPixel, place.height / kTwipsPerPixel);
            const QString where =
                QStringLiteral("%1 in %2")
                    .arg(control.objectName(), control.parentWidget()->objectName());
            QVERIFY2(
                control.parentWidget()->objectName() == fromView(place.container),
                qPrintable(
                    QStringLiteral("%1, expected in %2").arg(where, fromView(place.container))));
            QVERIFY2(control.geometry() == designed,
                     qPrintable(QStringLiteral("%1 stands at %2,%3 %4x%5, expected %6,%7 %8x%9")
                                    .arg(where)
                                    .arg(control.x())
                                    .arg(control.y())
                                    .arg(control.width())
                                    .arg(control.height())
                                    .arg(designed.x())
                                    .arg(designed.y())
                                    .arg(designed.width())
                                    .arg(designed.height())));
        }
    }

    void textsHaveTheirFontAndAlignment() {
        MainWindow window;
        for (const auto& look : kolva::oracle::textLooks()) {
            const QWidget& control = controlNamed(window, look.control);
            // Points at 96 dots per inch.
            const int pixels = qRound(look.points * 96 / 72);
            QVERIFY2(
                control.font().pixelSize() == pixels && control.font().bold() == look.bold,
                qPrintable(QStringLiteral("%1 has a %2 px%3 font, expected %4 px%5")
                               .arg(control.objectName())
                               .arg(control.font().pixelSize())
                               .arg(control.font().bold() ? QStringLiteral(" bold") : QString())
                               .arg(pixels)
                               .arg(look.bold ? QStringLiteral(" bold") : QString())));
            if (const auto* label = qobject_cast<const QLabel*>(&control)) {
                QVERIFY2((label->alignment() & Qt::AlignHorizontal_Mask) == horizontal(look.align),
                         qPrintable(QStringLiteral("%1 is aligned otherwise than designed")
                                        .arg(control.objectName())));
            }
        }
    }
};

QTEST_MAIN(DesignTest)
#include "design_test.moc"
