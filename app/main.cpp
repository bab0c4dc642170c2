#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "look.hpp"
#include "main_window.hpp"

namespace {

// Without a display Qt ends the process with a fatal message, a core dump and
// advice to reinstall. While the application starts, say it in one line and
// leave with status 1 instead.
void startupMessageHandler(QtMsgType type, const QMessageLogContext& /*context*/,
                           const QString& /*message*/) {
    if (type == QtFatalMsg) {
        std::fputs("kolva: cannot open a window: no graphical display is available\n", stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const QtMessageHandler defaultHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(defaultHandler);

    kolva::ui::prepareApplication();
    kolva::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
