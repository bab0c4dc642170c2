#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace kolva::bench {

// Ends the application as soon as `window` has painted its first frame, so a
// whole process can be timed from start to first picture.
class QuitAfterFirstFrame final : public QObject {
public:
    explicit QuitAfterFirstFrame(QWidget& window) : QObject(&window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            // Quit once this paint has been flushed to the screen.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool quitting_ = false;
};

}  // namespace kolva::bench
