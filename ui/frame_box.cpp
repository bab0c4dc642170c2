#include "frame_box.hpp"

#include <QPainter>

#include "look.hpp"

namespace kolva::ui {

namespace {

constexpr QColor kShadow{0x80, 0x80, 0x80};
constexpr QColor kHighlight{0xFF, 0xFF, 0xFF};
constexpr int kCaptionIndent = 6;
constexpr int kCaptionPadding = 2;

}  // namespace

FrameBox::FrameBox(const QString& caption, bool bordered, QWidget* parent)
    : QGroupBox(caption, parent), bordered_(bordered), captionFont_(boldFont()) {
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void FrameBox::addLine(int x, int top, int bottom) {
    lines_.push_back({x, top, bottom});
}

void FrameBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(captionFont_);
    const bool captioned = !title().isEmpty();

    if (bordered_) {
        const int top = captioned ? metrics.height() / 2 : 0;
        const QRect etch = rect().adjusted(0, top, -2, -2);
        painter.setPen(kShadow);
        painter.drawRect(etch);
        painter.setPen(kHighlight);
        painter.drawRect(etch.translated(1, 1));
    }
    if (captioned) {
        const int width = metrics.horizontalAdvance(title()) + 2 * kCaptionPadding;
        const QRect caption(kCaptionIndent, 0, width, metrics.height());
        painter.fillRect(caption, palette().window());
        painter.setFont(captionFont_);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignCenter, title());
    }
    painter.setPen(palette().color(QPalette::WindowText));
    for (const Line& line : lines_) {
        painter.drawLine(line.x, line.top, line.x, line.bottom);
    }
}

}  // namespace kolva::ui
