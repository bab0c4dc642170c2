#pragma once

#include <QMenu>

namespace kolva::ui {

// The window's one menu: its commands with their keys, in the window's own
// look. It opens as desktop programs open theirs: from the keyboard anywhere
// in the window (Shift+F10 or the Menu key), below the control that has the
// focus, and with a right-click anywhere on `frame`, at the pointer.
class CommandMenu final : public QMenu {
    Q_OBJECT

public:
    // `groups` are the commands, a line apart from group to group; their keys
    // work anywhere in `window`.
    CommandMenu(QWidget& window, QWidget& frame, const QList<QList<QAction*>>& groups);

private:
    void openAtFocus();
};

}  // namespace kolva::ui
