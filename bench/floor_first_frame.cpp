// The floor for Kolva's start: the least a Qt Widgets program can do to show a
// frameless window of Kolva's size and paint it once.

#include <QApplication>
#include <QWidget>

#include "first_frame.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(425, 551);
    new kolva::bench::QuitAfterFirstFrame(window);
    window.show();
    return QApplication::exec();
}
