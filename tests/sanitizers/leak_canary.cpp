// Leaks on purpose from code that Qt calls, as an event handler of the window
// would, and ends. Run under the leak checker with the project's suppressions,
// it must be reported: a suppression that hid it would hide Kolva's own leaks.

#include <QApplication>
#include <QTimer>

#include <string>

#include "look.hpp"
#include "main_window.hpp"

namespace {

void leakOnPurpose() {
    // Lost as soon as this returns.
    new std::string(4000, 'x');  // NOLINT(bugprone-unused-return-value)
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kolva::ui::prepareApplication();
    kolva::ui::MainWindow window;
    window.show();
    QTimer::singleShot(0, &window, [] {
        leakOnPurpose();
        QApplication::quit();
    });
    return QApplication::exec();
}
