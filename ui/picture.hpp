#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

namespace kolva::ui {

// A picture shown at its natural size. The artwork is drawn by `draw` for
// the screen's device pixel ratio the first time it is needed, and again only
// when the window moves to a screen with another ratio.
class Picture final : public QWidget {
    Q_OBJECT

public:
    using Artist = std::function<QPixmap(QSize logicalSize, qreal devicePixelRatio)>;

    Picture(Artist draw, QWidget* parent);

    // How many times the artwork has been painted on screen.
    int paintCount() const { return paintCount_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Artist draw_;
    QPixmap pixmap_;
    int paintCount_ = 0;
};

}  // namespace kolva::ui
