#include "picture.hpp"

#include <QPaintEvent>

#include <utility>

namespace kolva::ui {

Picture::Picture(Artist paint, QWidget* parent) : QWidget(parent), paint_(std::move(paint)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Picture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paint_(painter, size(), event->region());
}

}  // namespace kolva::ui
