// The floor with Kolva's fonts: the frameless window of Kolva's size with one
// line of plain text in each face and size that Kolva draws with. Against it,
// what Kolva takes beyond is its own work, not the cost of its font files.

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <array>

#include "first_frame.hpp"

namespace {

struct Face {
    int pixels;
    bool bold;
    int stretch;
};

// Liberation Sans at the sizes of the default font, the captions, the lists
// (condensed), the result headings, the figures and the banner's name.
constexpr auto kFaces = std::to_array<Face>({
    {11, false, QFont::Unstretched},
    {11, true, QFont::Unstretched},
    {11, false, 90},
    {13, true, QFont::Unstretched},
    {21, false, QFont::Unstretched},
    {42, true, QFont::Unstretched},
});

class FontSamples final : public QWidget {
public:
    FontSamples() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {}

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        int baseline = 0;
        for (const Face& face : kFaces) {
            QFont font(QStringLiteral("Liberation Sans"));
            font.setPixelSize(face.pixels);
            font.setBold(face.bold);
            font.setStretch(face.stretch);
            painter.setFont(font);
            baseline += face.pixels + 4;
            painter.drawText(
                8, baseline,
                QStringLiteral("Note: A 35 Watt overhead is applied to all calculations."));
        }
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FontSamples window;
    window.setFixedSize(425, 551);
    new kolva::bench::QuitAfterFirstFrame(window);
    window.show();
    return QApplication::exec();
}
