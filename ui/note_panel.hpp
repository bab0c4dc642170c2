#pragma once

#include <QFrame>
#include <QPointer>
#include <QStringList>
#include <QTextOption>

class QPlainTextEdit;

namespace kolva::ui {

// A panel of the window's own look, navy with lavender text, that rises from
// the bottom of its area as tall as its text: a heading in bold over rows of
// text. It takes the keyboard only when asked to; then Escape, Tab or the
// focus moving on closes it, and the focus goes back where it came from.
// Shown without the keyboard, it closes with Escape or with a click on it,
// which goes no further, so that it never stands between the pointer and the
// control beneath it for more than one click. Ctrl+C copies what is selected
// in it. Its text is made the first time it shows: many sessions never show it.
class NotePanel : public QFrame {
    Q_OBJECT

public:
    // `area` is the part of `window` the panel may use; screen readers call
    // its text `name`.
    NotePanel(QWidget& window, QRect area, QString name);

    // Shows `heading` over `rows`, whose columns part at tab characters and
    // line up at `columns`.
    void showText(const QString& heading, const QStringList& rows,
                  const QList<QTextOption::Tab>& columns = {});
    // Closes the panel, giving the focus back to where it was if it had it.
    void dismiss();

    // Moves the keyboard focus into the text, to be read line by line.
    void takeFocus();

    // What the panel shows, a line for each row.
    QString text() const;

protected:
    bool hasFocusInside() const;
    const QPlainTextEdit* body() const { return body_; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void makeBody();
    void riseToFit();

    QRect area_;
    QString name_;
    QPlainTextEdit* body_ = nullptr;
    QPointer<QWidget> returnFocusTo_;
};

}  // namespace kolva::ui
