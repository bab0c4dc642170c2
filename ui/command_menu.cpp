#include "command_menu.hpp"

#include <QAction>
#include <QApplication>

#include "look.hpp"

namespace kolva::ui {

CommandMenu::CommandMenu(QWidget& window, const QList<QList<QAction*>>& groups) : QMenu(&window) {
    styleMenu(*this);
    for (const QList<QAction*>& group : groups) {
        if (!isEmpty()) {
            addSeparator();
        }
        addActions(group);
    }
}

void CommandMenu::openOnRightClick(QWidget& widget) {
    widget.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&widget, &QWidget::customContextMenuRequested, this,
            [this, &widget](QPoint at) { popup(widget.mapToGlobal(at)); });
}

void CommandMenu::openAtFocus() {
    const QWidget* focus = QApplication::focusWidget();
    const QWidget* below = focus != nullptr ? focus : parentWidget();
    popup(below->mapToGlobal(QPoint(0, below->height())));
    setActiveAction(actions().constFirst());
}

}  // namespace kolva::ui
