#include "gestures.hpp"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace kolva::ui {

namespace {

class ClickFilter final : public QObject {
public:
    ClickFilter(QWidget& widget, std::function<void()> action)
        : QObject(&widget), widget_(widget), action_(std::move(action)) {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &widget_) {
            return false;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease && pressed_) {
            pressed_ = false;
            const auto* release = static_cast<QMouseEvent*>(event);
            if (release->button() == Qt::LeftButton &&
                widget_.rect().contains(release->position().toPoint())) {
                action_();
            }
        }
        return false;
    }

private:
    QWidget& widget_;
    std::function<void()> action_;
    bool pressed_ = false;
};

class DragFilter final : public QObject {
public:
    explicit DragFilter(QWidget& handle) : QObject(&handle), handle_(handle) {
        handle.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &handle_) {
            return false;
        }
        switch (event->type()) {
            case QEvent::MouseButtonPress:
                begin(*static_cast<QMouseEvent*>(event));
                return true;
            case QEvent::MouseMove:
                if (following_) {
                    const auto* move = static_cast<QMouseEvent*>(event);
                    handle_.window()->move(move->globalPosition().toPoint() - grip_);
                }
                return following_;
            case QEvent::MouseButtonRelease:
                following_ = false;
                return true;
            default:
                return false;
        }
    }

private:
    void begin(const QMouseEvent& press) {
        QWidget* window = handle_.window();
        QWindow* native = window->windowHandle();
        if (native != nullptr && native->startSystemMove()) {
            following_ = false;
            return;
        }
        // No window manager move (X11 without one, offscreen): follow the
        // pointer ourselves, keeping the grip point under it.
        following_ = true;
        grip_ = press.globalPosition().toPoint() - window->pos();
    }

    QWidget& handle_;
    bool following_ = false;
    QPoint grip_;
};

}  // namespace

void onClick(QWidget& widget, std::function<void()> action) {
    new ClickFilter(widget, std::move(action));
}

void makeDragHandle(QWidget& handle) {
    new DragFilter(handle);
}

}  // namespace kolva::ui
