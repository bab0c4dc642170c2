#include "estimate_details.hpp"

#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QToolTip>

#include "announcements.hpp"
#include "layout.hpp"
#include "main_window.hpp"
#include "selection_rules.hpp"

namespace kolva::ui {

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString makeUpText(const MainWindow& window) {
    return MainWindow::tr("How the estimate is made:") + QLatin1Char('\n') +
           QString::fromStdString(describe(window.model().makeUp())).trimmed();
}

// Shows the make-up as the figure's tool tip when one is asked for.
class MakeUpTip final : public QObject {
public:
    MakeUpTip(QLabel& figure, const MainWindow& window)
        : QObject(&figure), figure_(figure), window_(window) {
        figure.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &figure_ || event->type() != QEvent::ToolTip) {
            return false;
        }
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), makeUpText(window_), &figure_);
        return true;
    }

private:
    QLabel& figure_;
    const MainWindow& window_;
};

}  // namespace

QString machineText(const MainWindow& window) {
    const PowerModel& model = window.model();
    QStringList lines{MainWindow::tr("Kolva power supply estimate")};
    QStringList ticked;
    for (const FocusStop& stop : kFocusOrder) {
        if (const List* list = std::get_if<List>(&stop)) {
            const int entry = model.listState(*list).entry;
            const QString text =
                entry > 0
                    ? QString::fromStdString(entriesOf(*list)[static_cast<std::size_t>(entry)])
                          .trimmed()
                    : QString();
            if (!text.isEmpty()) {
                lines.append(QStringLiteral("%1: %2").arg(qText(ruleFor(*list).purpose), text));
            }
        } else if (const Box box = std::get<Box>(stop); model.isChecked(box)) {
            ticked.append(qText(ruleFor(box).caption));
        }
    }
    if (!ticked.isEmpty()) {
        lines.append(MainWindow::tr("Ticked: %1").arg(ticked.join(QStringLiteral(", "))));
    }
    for (std::size_t i = 0; i < kFigureCount; ++i) {
        lines.append(window.reading(i));
    }
    lines.append(QString());
    lines.append(makeUpText(window));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void copyEstimate(const MainWindow& window) {
    QGuiApplication::clipboard()->setText(machineText(window));
}

void showMakeUp(const MainWindow& window) {
    QLabel* figure = window.figure(0);
    const QString text = makeUpText(window);
    QToolTip::showText(figure->mapToGlobal(figure->rect().center()), text, figure);
    // Qt does not tell readers of a tool tip that appears; this one was asked for.
    announce(*figure, text);
}

void offerMakeUp(QLabel& figure, const MainWindow& window) {
    new MakeUpTip(figure, window);
    figure.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        &figure, &QWidget::customContextMenuRequested, &figure, [&figure, &window](QPoint at) {
            QMenu menu(&figure);
            menu.setFont(window.font());
            QObject::connect(menu.addAction(MainWindow::tr("Copy Estimate")), &QAction::triggered,
                             &figure, [&window] { copyEstimate(window); });
            menu.exec(figure.mapToGlobal(at));
        });
}

}  // namespace kolva::ui
