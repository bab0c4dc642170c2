#include "makeup_panel.hpp"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>
#include <utility>

#include "look.hpp"

namespace kolva::ui {

namespace {

// How long the pointer may be off both the figure and the panel, crossing
// the gap between them, before the panel closes.
constexpr int kLeavingMs = 400;
constexpr int kMargin = 6;
constexpr int kColumnGap = 12;

// Columns of the make-up: the working left-aligned after the names, the watts
// right-aligned after the working.
QList<QTextOption::Tab> columnsFor(const std::vector<MakeUpLine>& lines, const QFontMetrics& font) {
    int what = 0;
    int working = 0;
    int watts = 0;
    for (const MakeUpLine& line : lines) {
        if (line.watts.empty()) {
            continue;
        }
        what = std::max(what, font.horizontalAdvance(QString::fromStdString(line.what)));
        working = std::max(working, font.horizontalAdvance(QString::fromStdString(line.working)));
        watts = std::max(watts, font.horizontalAdvance(QString::fromStdString(line.watts)));
    }
    const int workingAt = what + kColumnGap;
    const int wattsEndAt = workingAt + working + kColumnGap + watts;
    return {QTextOption::Tab(workingAt, QTextOption::LeftTab),
            QTextOption::Tab(wattsEndAt, QTextOption::RightTab)};
}

QString rowsOf(const std::vector<MakeUpLine>& lines) {
    QStringList rows;
    for (const MakeUpLine& line : lines) {
        QString row = QString::fromStdString(line.what);
        if (!line.watts.empty()) {
            row += QLatin1Char('\t') + QString::fromStdString(line.working) + QLatin1Char('\t') +
                   QString::fromStdString(line.watts);
        }
        rows.append(row);
    }
    return rows.join(QLatin1Char('\n'));
}

}  // namespace

MakeUpPanel::MakeUpPanel(QWidget& window, QRect area, const QList<QLabel*>& figures, QAction& show,
                         Source makeUp)
    : QFrame(&window), area_(area), figures_(figures), makeUp_(std::move(makeUp)) {
    setObjectName(QStringLiteral("makeUp"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    for (const auto role : {QPalette::Window, QPalette::Base}) {
        palette.setColor(role, colour::kNavy);
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text}) {
        palette.setColor(role, colour::kLavender);
    }
    setPalette(palette);
    hide();

    // A figure hovered shows the panel where a tool tip would show.
    for (QLabel* figure : figures_) {
        figure->installEventFilter(this);
    }
    connect(&show, &QAction::triggered, this, &MakeUpPanel::showForKeyboard);
    leaving_.setSingleShot(true);
    leaving_.setInterval(kLeavingMs);
    connect(&leaving_, &QTimer::timeout, this, &MakeUpPanel::hideUnlessHovered);
    installEventFilter(this);
    // Escape closes the panel anywhere in the window, and only while it shows.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &MakeUpPanel::dismiss);
}

void MakeUpPanel::showForPointer() {
    leaving_.stop();
    fill();
    show();
    raise();
}

void MakeUpPanel::showForKeyboard() {
    if (body_ == nullptr || !body_->hasFocus()) {
        returnFocusTo_ = QApplication::focusWidget();
    }
    fill();
    show();
    raise();
    body_->moveCursor(QTextCursor::Start);
    body_->setFocus(Qt::ShortcutFocusReason);
}

void MakeUpPanel::refresh() {
    if (isVisible()) {
        fill();
    }
}

void MakeUpPanel::dismiss() {
    leaving_.stop();
    const QPointer<QWidget> back = std::exchange(returnFocusTo_, nullptr);
    if (body_ != nullptr && body_->hasFocus() && back != nullptr) {
        back->setFocus(Qt::OtherFocusReason);
    }
    hide();
}

QString MakeUpPanel::text() const {
    return body_ != nullptr ? body_->toPlainText() : QString();
}

bool MakeUpPanel::eventFilter(QObject* watched, QEvent* event) {
    const bool onFigure = figures_.contains(watched);
    switch (event->type()) {
        case QEvent::ToolTip:
            if (onFigure) {
                showForPointer();
                return true;
            }
            break;
        case QEvent::Enter:
            leaving_.stop();
            break;
        case QEvent::Leave:
            if (isVisible()) {
                leaving_.start();
            }
            break;
        case QEvent::FocusOut:
            if (watched == body_ && !body_->hasFocus()) {
                returnFocusTo_ = nullptr;
                hide();
            }
            break;
        default:
            break;
    }
    return false;
}

// The text body, made the first time the panel shows.
void MakeUpPanel::fill() {
    if (body_ == nullptr) {
        body_ = new QPlainTextEdit(this);
        body_->setReadOnly(true);
        body_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        body_->setFrameStyle(QFrame::NoFrame);
        body_->setFont(defaultFont());
        body_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        body_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        body_->setContextMenuPolicy(Qt::NoContextMenu);
        body_->setAccessibleName(tr("How the estimate is made"));
        body_->document()->setDocumentMargin(0);
        body_->installEventFilter(this);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
        layout->addWidget(body_);
    }
    const std::vector<MakeUpLine> lines = linesOf(makeUp_());
    QTextOption option = body_->document()->defaultTextOption();
    option.setTabs(columnsFor(lines, body_->fontMetrics()));
    body_->document()->setDefaultTextOption(option);
    body_->setPlainText(
        QString::fromUtf8(kMakeUpHeading.data(), static_cast<qsizetype>(kMakeUpHeading.size())) +
        QLatin1Char('\n') + rowsOf(lines));
    QTextCursor heading(body_->document()->firstBlock());
    heading.select(QTextCursor::BlockUnderCursor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    heading.mergeCharFormat(bold);
    riseToFit();
}

// As tall as the laid-out text, rising from the area's bottom edge.
void MakeUpPanel::riseToFit() {
    setGeometry(area_);
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

void MakeUpPanel::hideUnlessHovered() {
    const bool onFigure = std::any_of(figures_.begin(), figures_.end(),
                                      [](const QLabel* figure) { return figure->underMouse(); });
    if (!underMouse() && !onFigure && (body_ == nullptr || !body_->hasFocus())) {
        hide();
    }
}

}  // namespace kolva::ui
