#include "gestures.hpp"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStringTokenizer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <array>
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
            // A press soon after a click arrives as a double click: it drags all the same.
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                begin(*static_cast<QMouseEvent*>(event));
                return true;
            case QEvent::MouseMove:
                if (following_ != Qt::NoButton) {
                    const auto* move = static_cast<QMouseEvent*>(event);
                    handle_.window()->move(move->globalPosition().toPoint() - grip_);
                }
                return following_ != Qt::NoButton;
            case QEvent::MouseButtonRelease:
                if (static_cast<QMouseEvent*>(event)->button() == following_) {
                    following_ = Qt::NoButton;
                }
                return true;
            default:
                return false;
        }
    }

private:
    void begin(const QMouseEvent& press) {
        QWidget* window = handle_.window();
        if (following_ != Qt::NoButton) {
            return;  // a second button during a drag changes nothing
        }
        const bool left = press.button() == Qt::LeftButton;
        if (!canPlaceWindows() && !left && !systemMoveEndsOnAnyRelease()) {
            return;  // such a move would outlive its button
        }
        // The window system's move ends when the left button is released, so
        // it serves that button, and any button where Kolva cannot place its
        // window itself (Wayland).
        QWindow* native = window->windowHandle();
        if (native != nullptr && (left || !canPlaceWindows()) && native->startSystemMove()) {
            return;
        }
        // Otherwise follow the pointer, keeping the grip point under it, until
        // this button is released.
        following_ = press.button();
        grip_ = press.globalPosition().toPoint() - window->pos();
    }

    static bool canPlaceWindows() {
        return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    }

    // Whether the compositor ends a move it was asked for when any button is
    // released. GNOME's mutter, and the compositors built on it, end it only
    // on the left button or the button of their own resize setting: after a
    // drag with another button the window would follow the pointer on, so
    // there only the left button drags.
    static bool systemMoveEndsOnAnyRelease() {
        static constexpr std::array<QLatin1String, 3> kLeftButtonOnly = {
            QLatin1String("GNOME"), QLatin1String("Pantheon"), QLatin1String("X-Cinnamon")};
        const QString desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
        for (const QStringView desktop : QStringTokenizer(desktops, QLatin1Char(':'))) {
            if (std::find(kLeftButtonOnly.begin(), kLeftButtonOnly.end(), desktop) !=
                kLeftButtonOnly.end()) {
                return false;
            }
        }
        return true;
    }

    QWidget& handle_;
    Qt::MouseButton following_ = Qt::NoButton;
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
