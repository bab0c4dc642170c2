// The floor with one line of text: the frameless window of Kolva's size with a
// single label in Kolva's default font. It shows what any window that draws
// text pays for the font system, which the bare floor does not load.

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "first_frame.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(425, 551);
    auto* note = new QLabel(
        QStringLiteral("Note: A 35 Watt overhead is applied to all calculations."), &window);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    note->setFont(font);
    note->setGeometry(14, 80, 271, 17);
    new kolva::bench::QuitAfterFirstFrame(window);
    window.show();
    return QApplication::exec();
}
