#pragma once

#include <QWidget>

namespace kolva::ui {

// The quit picture at the window's foot: a left click on it closes the
// window. Screen readers know it as a button that they can press; the
// keyboard quits with Ctrl+Q, so it keeps out of the Tab order of the lists
// and boxes.
class QuitButton final : public QWidget {
    Q_OBJECT

public:
    explicit QuitButton(QWidget* parent);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace kolva::ui
