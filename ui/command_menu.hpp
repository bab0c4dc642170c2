#pragma once

#include <QMenu>

namespace kolva::ui {

// The window's one menu, in the window's own look: it lays out commands that
// the window has made, keyed and connected, a line apart from group to group,
// each with its key. It opens as desktop programs open theirs: from the
// keyboard below the control that has the focus, and with a right-click at
// the pointer.
class CommandMenu final : public QMenu {
    Q_OBJECT

public:
    CommandMenu(QWidget& window, const QList<QList<QAction*>>& groups);

    // A right-click on `widget` opens the menu at the pointer.
    void openOnRightClick(QWidget& widget);
    // Opens the menu below the control that has the focus, its first command
    // chosen, as desktop menus opened from the keyboard do, so that arrow keys
    // start from it and screen readers read it.
    void openAtFocus();
};

}  // namespace kolva::ui
