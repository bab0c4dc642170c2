#pragma once

#include <QFrame>
#include <QPointer>
#include <QTimer>

#include "estimate_makeup.hpp"

class QPlainTextEdit;

namespace kolva::ui {

// How the estimate is made, in a panel of the window's own look that rises
// from the figures' top edge, so it never covers the figures it explains.
//
// Hovering a figure shows it for as long as the pointer rests on the figure
// or on the panel. Asked for from the keyboard it takes the focus, so that a
// screen reader reads it line by line like any text, and gives the focus
// back when it closes. Escape, or the focus moving on, closes it.
class MakeUpPanel final : public QFrame {
public:
    // `area` is the part of the window the panel may use; its bottom edge
    // lies just above the figures.
    MakeUpPanel(QWidget& window, QRect area);

    // Shows the panel for the pointer over `figure`, which keeps it open
    // while the pointer stays on the figure or the panel.
    void showForPointer(QWidget& figure, const EstimateMakeUp& makeUp);
    // Shows the panel with the keyboard focus in it.
    void showForKeyboard(const EstimateMakeUp& makeUp);
    // Shows `makeUp` in place of what the panel shows.
    void refill(const EstimateMakeUp& makeUp);
    // Closes the panel, giving the focus back to where it was if it had it.
    void dismiss();

    // The make-up as the panel shows it.
    QString text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void riseToFit();
    void hideUnlessHovered();

    QRect area_;
    QPlainTextEdit* body_ = nullptr;
    QTimer leaving_;
    QPointer<QWidget> figure_;
    QPointer<QWidget> returnFocusTo_;
};

}  // namespace kolva::ui
