#include "note_panel.hpp"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>
#include <utility>

#include "look.hpp"

namespace kolva::ui {

namespace {

constexpr int kMargin = 6;

}  // namespace

NotePanel::NotePanel(QWidget& window, QRect area, QString name)
    : QFrame(&window), area_(area), name_(std::move(name)) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    setPalette(navyPalette(palette()));
    hide();
    // Escape closes the panel anywhere in the window, and only while it shows.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &NotePanel::dismiss);
}

void NotePanel::showText(const QString& heading, const QStringList& rows,
                         const QList<QTextOption::Tab>& columns) {
    makeBody();
    QTextDocument& document = *body_->document();
    QTextOption option = document.defaultTextOption();
    option.setTabs(columns);
    document.setDefaultTextOption(option);
    // Every piece with a format of its own, so the text looks the same
    // whatever the panel showed before and wherever its cursor was.
    document.clear();
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCursor cursor(&document);
    cursor.setBlockCharFormat(plain);
    cursor.insertText(heading, bold);
    for (const QString& row : rows) {
        cursor.insertBlock(QTextBlockFormat(), plain);
        cursor.insertText(row, plain);
    }
    // One panel at a time shows over the window's parts.
    for (NotePanel* other : parentWidget()->findChildren<NotePanel*>(Qt::FindDirectChildrenOnly)) {
        if (other != this) {
            other->dismiss();
        }
    }
    riseToFit();
    raise();
}

void NotePanel::dismiss() {
    const QPointer<QWidget> back = std::exchange(returnFocusTo_, nullptr);
    if (hasFocusInside() && back != nullptr) {
        back->setFocus(Qt::OtherFocusReason);
    }
    hide();
}

QString NotePanel::text() const {
    return body_ != nullptr ? body_->toPlainText() : QString();
}

void NotePanel::takeFocus() {
    if (!hasFocusInside()) {
        returnFocusTo_ = QApplication::focusWidget();
    }
    body_->moveCursor(QTextCursor::Start);
    body_->setFocus(Qt::ShortcutFocusReason);
}

bool NotePanel::hasFocusInside() const {
    return body_ != nullptr && body_->hasFocus();
}

bool NotePanel::eventFilter(QObject* watched, QEvent* event) {
    if (body_ != nullptr && watched == body_->viewport() &&
        event->type() == QEvent::MouseButtonPress && !hasFocusInside()) {
        dismiss();
        return true;
    }
    if (watched != body_) {
        return false;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // Ctrl+C copies the selection here rather than the window's estimate.
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
            body_->textCursor().hasSelection()) {
            event->accept();
        }
    } else if (event->type() == QEvent::KeyPress) {
        // Tab leaves the text for where the focus came from, not the next list.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            dismiss();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && !body_->hasFocus()) {
        returnFocusTo_ = nullptr;
        hide();
    }
    return false;
}

// A click on the panel's edge is a click on the panel.
void NotePanel::mousePressEvent(QMouseEvent* event) {
    if (!hasFocusInside()) {
        dismiss();
    }
    event->accept();
}

void NotePanel::makeBody() {
    if (body_ != nullptr) {
        return;
    }
    body_ = new QPlainTextEdit(this);
    body_->setReadOnly(true);
    body_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    body_->setFrameStyle(QFrame::NoFrame);
    body_->setFont(defaultFont());
    body_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    body_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    body_->setContextMenuPolicy(Qt::NoContextMenu);
    body_->setAccessibleName(name_);
    body_->document()->setDocumentMargin(0);
    // Only takeFocus() gives it the keyboard: a click closes a panel that
    // shows without it.
    body_->setFocusPolicy(Qt::NoFocus);
    body_->installEventFilter(this);
    body_->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addWidget(body_);
}

// As tall as the laid-out text, rising from the area's bottom edge. Shown at
// the area's full size first, so that long rows wrap at the panel's width.
void NotePanel::riseToFit() {
    setGeometry(area_);
    show();
    this->layout()->activate();
    QAbstractTextDocumentLayout* layout = body_->document()->documentLayout();
    qreal textHeight = 0;
    for (QTextBlock block = body_->document()->begin(); block.isValid(); block = block.next()) {
        textHeight += layout->blockBoundingRect(block).height();
    }
    const QMargins margins = contentsMargins() + this->layout()->contentsMargins();
    const int height = std::min(area_.height(), qCeil(textHeight) + margins.top() +
                                                    margins.bottom() + 2 * body_->frameWidth());
    setGeometry(area_.left(), area_.bottom() + 1 - height, area_.width(), height);
}

}  // namespace kolva::ui
