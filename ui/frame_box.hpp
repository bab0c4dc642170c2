#pragma once

#include <QGroupBox>

#include <vector>

namespace kolva::ui {

// A frame with an etched border whose top edge runs through the middle of the
// caption, plus any vertical lines that lie on its surface. It clips its
// children like any widget. Its own font is the lists' font, which the lists
// inherit: a font set on a list itself would make it build its popup at once.
// The caption is drawn in the caption font.
class FrameBox final : public QGroupBox {
    Q_OBJECT

public:
    FrameBox(const QString& caption, bool bordered, QWidget* parent);

    // A one-pixel line in the frame's caption colour, at x from top to bottom.
    void addLine(int x, int top, int bottom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Line {
        int x;
        int top;
        int bottom;
    };

    bool bordered_;
    QFont captionFont_;
    std::vector<Line> lines_;
};

}  // namespace kolva::ui
