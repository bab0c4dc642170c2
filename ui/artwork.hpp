#pragma once

#include <QPixmap>
#include <QSize>

namespace kolva::ui {

// Kolva's two pictures, drawn in code so they stay sharp at any screen scale.
// Each is drawn in logical pixels onto a pixmap of `devicePixelRatio` times
// the size.

// The dark metal plate with the striped banner, the emblems, the name and
// the striped band along the bottom edge.
QPixmap drawBackground(QSize size, qreal devicePixelRatio);

// The small QUIT button face.
QPixmap drawQuitButton(QSize size, qreal devicePixelRatio);

}  // namespace kolva::ui
