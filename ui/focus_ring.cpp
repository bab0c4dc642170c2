#include "focus_ring.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace kolva::ui {

namespace {

class RingOnKeys final : public QObject {
public:
    explicit RingOnKeys(QWidget& window) : QObject(&window), window_(window) {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            window_.testAttribute(Qt::WA_KeyboardFocusChange)) {
            return false;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool modifierAlone = key == Qt::Key_Shift || key == Qt::Key_Control ||
                                   key == Qt::Key_Alt || key == Qt::Key_Meta ||
                                   key == Qt::Key_AltGr;
        auto* focused = qobject_cast<QWidget*>(watched);
        if (!modifierAlone && focused != nullptr && focused->window() == &window_) {
            window_.setAttribute(Qt::WA_KeyboardFocusChange);
            focused->update();
        }
        return false;
    }

private:
    QWidget& window_;
};

}  // namespace

void showFocusOnFirstKey(QWidget& window) {
    new RingOnKeys(window);
}

}  // namespace kolva::ui
