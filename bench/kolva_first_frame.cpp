// Kolva's real window, from process start to its first painted frame.

#include <QApplication>

#include "first_frame.hpp"
#include "look.hpp"
#include "main_window.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kolva::ui::prepareApplication();
    kolva::ui::MainWindow window;
    new kolva::bench::QuitAfterFirstFrame(window);
    window.show();
    return QApplication::exec();
}
