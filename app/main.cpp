#include <QApplication>

#include "look.hpp"
#include "main_window.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kolva::ui::prepareApplication();
    kolva::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
