#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "look.hpp"
#include "main_window.hpp"
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

}  // namespace

// Compares every text the user reads with an account written out apart from
// the window's own tables, character for character.
class VisibleTextsTest : public QObject {
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
        QTest::mouseClick(window.checkBox(Box::Check6), Qt::LeftButton);
        QTest::mouseClick(window.checkBox(Box::Check9), Qt::LeftButton);
        window.list(List::Combo1)->setFocus();
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
};

QTEST_MAIN(VisibleTextsTest)
#include "visible_texts_test.moc"
