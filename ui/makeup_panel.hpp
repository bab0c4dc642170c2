#pragma once

#include <QList>
#include <QTimer>

#include <functional>

#include "estimate_makeup.hpp"
#include "note_panel.hpp"

class QLabel;

namespace kolva::ui {

// How the estimate is made, in a panel that rises from the figures' top
// edge, so it never covers the figures it explains.
//
// Hovering a figure shows it for as long as the pointer rests on a figure or
// on the panel, without the keyboard. Asked for by a command it takes the
// focus, so that a screen reader reads it line by line like any text.
class MakeUpPanel final : public NotePanel {
    Q_OBJECT

public:
    using Source = std::function<EstimateMakeUp()>;

    // `area` is the part of `window` the panel may use; its bottom edge lies
    // just above `figures`. `makeUp` tells how the estimate is made now.
    MakeUpPanel(QWidget& window, QRect area, const QList<QLabel*>& figures, Source makeUp);

    // Shows the panel with the keyboard in it.
    void showFocused();
    // The estimate has changed: the panel, if it shows, shows the new one.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill();
    void hideUnlessHovered();

    QList<QLabel*> figures_;
    Source makeUp_;
    QTimer leaving_;
};

}  // namespace kolva::ui
