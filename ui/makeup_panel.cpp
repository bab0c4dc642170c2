#include "makeup_panel.hpp"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

#include <algorithm>
#include <utility>

#include "look.hpp"
#include "text.hpp"

namespace kolva::ui {

namespace {

// How long the pointer may be off both the figures and the panel, crossing
// the gap between them, before the panel closes.
constexpr int kLeavingMs = 400;
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

QStringList rowsOf(const std::vector<MakeUpLine>& lines) {
    QStringList rows;
    for (const MakeUpLine& line : lines) {
        QString row = QString::fromStdString(line.what);
        if (!line.watts.empty()) {
            row += QLatin1Char('\t') + QString::fromStdString(line.working) + QLatin1Char('\t') +
                   QString::fromStdString(line.watts);
        }
        rows.append(row);
    }
    return rows;
}

}  // namespace

MakeUpPanel::MakeUpPanel(QWidget& window, QRect area, const QList<QLabel*>& figures, Source makeUp)
    : NotePanel(window, area, tr("How the estimate is made")),
      figures_(figures),
      makeUp_(std::move(makeUp)) {
    setObjectName(QStringLiteral("makeUp"));
    // A figure hovered shows the panel where a tool tip would show.
    for (QLabel* figure : figures_) {
        figure->installEventFilter(this);
    }
    installEventFilter(this);
    leaving_.setSingleShot(true);
    leaving_.setInterval(kLeavingMs);
    connect(&leaving_, &QTimer::timeout, this, &MakeUpPanel::hideUnlessHovered);
}

void MakeUpPanel::showFocused() {
    fill();
    takeFocus();
}

void MakeUpPanel::refresh() {
    if (isVisible()) {
        fill();
    }
}

bool MakeUpPanel::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ToolTip:
            if (figures_.contains(watched)) {
                leaving_.stop();
                fill();
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
        default:
            break;
    }
    return NotePanel::eventFilter(watched, event);
}

void MakeUpPanel::fill() {
    const std::vector<MakeUpLine> lines = linesOf(makeUp_());
    showText(qText(kMakeUpHeading), rowsOf(lines), columnsFor(lines, QFontMetrics(defaultFont())));
}

void MakeUpPanel::hideUnlessHovered() {
    const bool onFigure = std::any_of(figures_.begin(), figures_.end(),
                                      [](const QLabel* figure) { return figure->underMouse(); });
    if (!underMouse() && !onFigure && !hasFocusInside()) {
        hide();
    }
}

}  // namespace kolva::ui
