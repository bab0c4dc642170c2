#pragma once

#include <QFrame>
#include <QList>
#include <QPointer>
#include <QTimer>

#include <functional>

#include "estimate_makeup.hpp"

class QAction;
class QLabel;
class QPlainTextEdit;

namespace kolva::ui {

// How the estimate is made, in a panel of the window's own look that rises
// from the figures' top edge, so it never covers the figures it explains.
//
// Hovering a figure shows it for as long as the pointer rests on a figure or
// on the panel. Asked for from the keyboard it takes the focus, so that a
// screen reader reads it line by line like any text, and gives the focus
// back when it closes. Escape, or the focus moving on, closes it. Its text is
// made when it first shows: most sessions never show it.
class MakeUpPanel final : public QFrame {
public:
    using Source = std::function<EstimateMakeUp()>;

    // `area` is the part of `window` the panel may use; its bottom edge lies
    // just above `figures`. `show` shows the panel from the keyboard, and
    // `makeUp` tells how the estimate is made now.
    MakeUpPanel(QWidget& window, QRect area, const QList<QLabel*>& figures, QAction& show,
                Source makeUp);

    // The estimate has changed: the panel, if it shows, shows the new one.
    void refresh();
    // Closes the panel, giving the focus back to where it was if it had it.
    void dismiss();

    // The make-up as the panel shows it.
    QString text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showForPointer();
    void showForKeyboard();
    void fill();
    void riseToFit();
    void hideUnlessHovered();

    QRect area_;
    QList<QLabel*> figures_;
    Source makeUp_;
    QPlainTextEdit* body_ = nullptr;
    QTimer leaving_;
    QPointer<QWidget> returnFocusTo_;
};

}  // namespace kolva::ui
