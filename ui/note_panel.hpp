#pragma once

#include <QFrame>
#include <QPointer>
#include <QStringList>
#include <QTextOption>

class QPlainTextEdit;

namespace kolva::ui {

// A panel of the window's own look, navy with lavender text, that rises from
// the bottom of its area as tall as its text: a heading in bold over rows of
// text. Escape closes it; so does Tab, or the focus moving on, while it has
// the focus, which then goes back where it came from. Its text is made the
// first time it shows: many sessions never show it.
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

    // What the panel shows, a line for each row.
    QString text() const;

protected:
    // Moves the keyboard focus into the text, to be read line by line.
    void takeFocus();
    bool hasFocusInside() const;
    const QPlainTextEdit* body() const { return body_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeBody();
    void riseToFit();

    QRect area_;
    QString name_;
    QPlainTextEdit* body_ = nullptr;
    QPointer<QWidget> returnFocusTo_;
};

}  // namespace kolva::ui
