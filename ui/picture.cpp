#include "picture.hpp"

#include <QPaintEvent>
#include <QPainter>

#include <utility>

namespace kolva::ui {

Picture::Picture(Artist draw, QWidget* parent) : QWidget(parent), draw_(std::move(draw)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Picture::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    if (pixmap_.isNull() || pixmap_.devicePixelRatio() != ratio) {
        pixmap_ = draw_(size(), ratio);
    }
    ++paintCount_;
    QPainter painter(this);
    painter.drawPixmap(
        event->rect(), pixmap_,
        QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio));
}

}  // namespace kolva::ui
