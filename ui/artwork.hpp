#pragma once

#include <QPainter>
#include <QRegion>
#include <QSize>

namespace kolva::ui {

// Kolva's two pictures, painted in code straight onto the screen, so they are
// sharp at any screen scale and take no memory between paints. `size` is the
// picture's logical size; only `exposed` needs to be painted.

// The dark metal plate with the striped banner, the emblems, the name and
// the striped band along the bottom edge.
void paintBackground(QPainter& painter, QSize size, const QRegion& exposed);

// The small QUIT button face.
void paintQuitButton(QPainter& painter, QSize size, const QRegion& exposed);

}  // namespace kolva::ui
