#include "command_menu.hpp"

#include <QAction>
#include <QApplication>

#include "look.hpp"

namespace kolva::ui {

CommandMenu::CommandMenu(QWidget& window, QWidget& frame, const QList<QList<QAction*>>& groups)
    : QMenu(&window) {
    styleMenu(*this);
    for (const QList<QAction*>& group : groups) {
        if (!isEmpty()) {
            addSeparator();
        }
        for (QAction* command : group) {
            command->setShortcutVisibleInContextMenu(true);
            addAction(command);
            window.addAction(command);
        }
    }
    auto* open = new QAction(this);
    open->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    connect(open, &QAction::triggered, this, &CommandMenu::openAtFocus);
    window.addAction(open);

    // The frame's labels leave a right-click to the frame.
    frame.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&frame, &QWidget::customContextMenuRequested, this,
            [this, &frame](QPoint at) { popup(frame.mapToGlobal(at)); });
}

// Opened from the keyboard, the menu chooses its first command, as desktop
// menus do, so that arrow keys start from it and screen readers read it.
void CommandMenu::openAtFocus() {
    const QWidget* focus = QApplication::focusWidget();
    const QWidget* below = focus != nullptr ? focus : parentWidget();
    popup(below->mapToGlobal(QPoint(0, below->height())));
    setActiveAction(actions().constFirst());
}

}  // namespace kolva::ui
