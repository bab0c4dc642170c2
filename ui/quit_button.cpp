#include "quit_button.hpp"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <utility>

#include "artwork.hpp"

namespace kolva::ui {

namespace {

// The quit picture read as a push button, with the press action that
// screen readers offer for one.
class PressableQuit final : public QAccessibleWidget {
public:
    explicit PressableQuit(QuitButton* quit) : QAccessibleWidget(quit, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            Q_EMIT static_cast<QuitButton*>(widget())->clicked();
        }
    }
};

QAccessibleInterface* pressableQuitFor(const QString& className, QObject* object) {
    if (className == QLatin1String(QuitButton::staticMetaObject.className())) {
        return new PressableQuit(static_cast<QuitButton*>(object));
    }
    return nullptr;
}

}  // namespace

QuitButton::QuitButton(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(pressableQuitFor);
        return true;
    }();
    static_cast<void>(installed);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

void QuitButton::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintQuitButton(painter, size(), event->region());
}

void QuitButton::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

// Released off the picture, the press was taken back.
void QuitButton::mouseReleaseEvent(QMouseEvent* event) {
    if (std::exchange(pressed_, false) && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
}

}  // namespace kolva::ui
