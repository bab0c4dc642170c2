#pragma once

#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <functional>

namespace kolva::ui {

// A picture shown at its natural size, painted by `paint` whenever the window
// system needs it: on the first show and when it is exposed again, never when
// a control above it changes.
class Picture final : public QWidget {
    Q_OBJECT

public:
    using Artist = std::function<void(QPainter&, QSize size, const QRegion& exposed)>;

    Picture(Artist paint, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Artist paint_;
};

}  // namespace kolva::ui
