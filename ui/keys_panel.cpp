#include "keys_panel.hpp"

#include <QAction>
#include <QCoreApplication>
#include <QFontMetrics>

#include <algorithm>
#include <array>
#include <utility>

#include "look.hpp"

namespace kolva::ui {

namespace {

constexpr int kColumnGap = 12;

// What the keys of the lists and boxes do, besides the commands.
struct ControlKeys {
    const char* what;
    const char* keys;
};
constexpr std::array<ControlKeys, 5> kControlKeys = {{
    {QT_TRANSLATE_NOOP("kolva", "Move between the lists and boxes"), "Tab, Shift+Tab"},
    {QT_TRANSLATE_NOOP("kolva", "Choose another entry of a list"), "Up, Down"},
    {QT_TRANSLATE_NOOP("kolva", "Open a list"), "Alt+Down"},
    {QT_TRANSLATE_NOOP("kolva", "Tick or untick a box"), "Space"},
    {QT_TRANSLATE_NOOP("kolva", "Close a panel or an open list"), "Escape"},
}};

QString keysOf(const QAction& command) {
    QStringList keys;
    for (const QKeySequence& key : command.shortcuts()) {
        keys.append(key.toString(QKeySequence::NativeText));
    }
    return keys.join(QLatin1String(", "));
}

}  // namespace

KeysPanel::KeysPanel(QWidget& window, QRect area, QList<QAction*> commands)
    : NotePanel(window, area, tr("Keyboard shortcuts")), commands_(std::move(commands)) {
    setObjectName(QStringLiteral("keys"));
}

void KeysPanel::showFocused() {
    QList<std::pair<QString, QString>> rows;
    for (const QAction* command : commands_) {
        // A command's short name: "Undo", where its menu text says what it undoes.
        rows.append({command->iconText(), keysOf(*command)});
    }
    for (const ControlKeys& row : kControlKeys) {
        rows.append(
            {QCoreApplication::translate("kolva", row.what), QString::fromLatin1(row.keys)});
    }
    const QFontMetrics font(defaultFont());
    int widest = 0;
    QStringList lines;
    for (const auto& [what, keys] : rows) {
        widest = std::max(widest, font.horizontalAdvance(what));
        lines.append(what + QLatin1Char('\t') + keys);
    }
    showText(tr("Keyboard shortcuts:"), lines,
             {QTextOption::Tab(widest + kColumnGap, QTextOption::LeftTab)});
    takeFocus();
}

}  // namespace kolva::ui
