#include "main_window.hpp"

#include <QAccessibleWidget>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>

#include "announcements.hpp"
#include "command_menu.hpp"
#include "gestures.hpp"
#include "help_line.hpp"
#include "look.hpp"
#include "machine_reader.hpp"
#include "machine_text.hpp"
#include "makeup_panel.hpp"
#include "picture.hpp"

namespace kolva::ui {

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Each figure: the heading it is read with, what its click explains and the
// figure of the estimate it shows.
struct FigureRow {
    Figure figure;
    std::string_view heading;
    Explained explained;
    std::string Estimate::*value;
};
constexpr std::array<FigureRow, kFigureCount> kFigures = {{
    {Figure::Stock, kStockHeading, Explained::StockFigure, &Estimate::stock},
    {Figure::Mild, kMildHeading, Explained::MildFigure, &Estimate::mild},
    {Figure::Heavy, kHeavyHeading, Explained::HeavyFigure, &Estimate::heavy},
}};
static_assert(inKeyOrder(kFigures, &FigureRow::figure));

// Shows a figure and names it for screen readers as "Stock Speeds: 300", so
// the number says what it means; the "Watts" beside it follows when a reader
// reviews the line. A new name is sent to screen readers, so a figure that
// stays the same is left alone.
void showFigure(QLabel& figure, std::string_view heading, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    const QString name = MainWindow::tr("%1: %2").arg(qText(heading), shown);
    if (figure.accessibleName() != name) {
        figure.setText(shown);
        figure.setAccessibleName(name);
    }
}

// Screen readers are told that the window is a window (a frame, to AT-SPI)
// rather than the plain panel Qt makes of a widget.
QAccessibleInterface* windowRoleFor(const QString& className, QObject* object) {
    if (className == QLatin1String(MainWindow::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    // Before anything tells screen readers of the window (its title does).
    static const bool rolesInstalled = [] {
        QAccessible::installFactory(windowRoleFor);
        return true;
    }();
    static_cast<void>(rolesInstalled);
    setObjectName(qText(kWindowName));
    setWindowTitle(qText(project::kName));
    setFixedSize(toPixels(kClientArea).size());
    setPalette(windowPalette());
    setAutoFillBackground(true);
    setFont(defaultFont());

    controls_ = buildControls(*this);
    connectControls();
    addCommands();
    centreOnScreen();
    announcer_ = new EstimateAnnouncer(*figure(0));

    model_.load();
    showModel();
}

QLabel* MainWindow::helpLine() const {
    return controls_.helpLine;
}

QString MainWindow::reading(std::size_t i) const {
    return tr("%1: %2 Watts").arg(qText(kFigures[i].heading), figure(i)->text());
}

// Every user action on a control goes to the model's handler for it.
void MainWindow::connectControls() {
    for (std::size_t i = 0; i < kListCount; ++i) {
        connect(controls_.lists[i], &QComboBox::activated, this,
                [this, list = static_cast<List>(i)](int entry) {
                    model_.pick(list, entry);
                    showModel();
                });
    }
    // Every change of a box's state, whether clicked, ticked with Space or
    // toggled by a screen reader's action, runs its handler.
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        connect(controls_.boxes[i], &QCheckBox::toggled, this,
                [this, box = static_cast<Box>(i)](bool checked) {
                    model_.toggle(box, checked);
                    showModel();
                });
    }
    const auto explainOnClick = [this](QWidget& widget, Explained which) {
        onClick(widget, [this, which] {
            model_.explain(which);
            showModel();
        });
    };
    explainOnClick(*controls_.captions[indexOf(List::TecWatts)], Explained::TecCaption);
    for (const FigureRow& row : kFigures) {
        QLabel& figure = *controls_.figure(row.figure);
        figure.setAccessibleDescription(qText(explanation(row.explained)));
        explainOnClick(figure, row.explained);
    }
    makeDragHandle(*controls_.background);
    onClick(*controls_.quit, [this] { close(); });
}

QAction* MainWindow::addCommand(const QString& text, const QKeySequence& keys) {
    auto* command = new QAction(text, this);
    command->setShortcut(keys);
    return command;
}

// The window's commands, in its menu and on their keys anywhere in the
// window. An open list takes the keyboard, so they never act from there.
void MainWindow::addCommands() {
    QAction* copy = addCommand(tr("Copy Estimate"), QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, &MainWindow::copyEstimate);
    QAction* paste = addCommand(tr("Paste Machine"), QKeySequence::Paste);
    connect(paste, &QAction::triggered, this, &MainWindow::pasteMachine);
    QAction* again = addCommand(tr("Start Again"), QKeySequence::New);
    connect(again, &QAction::triggered, this, &MainWindow::startAgain);
    // Ctrl+F1, the desktop's key for a tool tip, shows how the estimate is made.
    showMakeUp_ = addCommand(tr("How the Estimate Is Made"), QKeySequence(Qt::CTRL | Qt::Key_F1));
    // Ctrl+Q, the desktop's quit key. Escape is left to the open lists and the
    // panels: closing Kolva with it would throw every choice away by a slip.
    QAction* quit = addCommand(tr("Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QList<QLabel*> figures(controls_.figures.begin(), controls_.figures.end());
    makeUp_ = new MakeUpPanel(*this, toPixels(kMakeUpArea), figures, *showMakeUp_,
                              [this] { return model_.makeUp(); });
    new CommandMenu(*this, *controls_.figuresFrame,
                    {{copy, paste}, {again}, {showMakeUp_}, {quit}});
}

void MainWindow::copyEstimate() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(machineText(model_)));
    const QString done = tr("Estimate copied");
    model_.tell(done.toStdString());
    showModel();
    announce(*controls_.helpLine, done);
}

void MainWindow::pasteMachine() {
    const auto read = readMachine(QGuiApplication::clipboard()->text().toStdString());
    if (const auto* refusal = std::get_if<PasteRefusal>(&read)) {
        const QString reason = QString::fromStdString(refusal->reason);
        const QString why =
            refusal->line == 0 ? reason : tr("Line %1: %2").arg(refusal->line).arg(reason);
        model_.tell(why.toStdString());
        showModel();
        announce(*controls_.helpLine, why);
        return;
    }
    makeUp_->dismiss();
    model_.apply(std::get<Machine>(read));
    showModel();
    announce(*controls_.helpLine, tr("Machine pasted"));
}

void MainWindow::startAgain() {
    makeUp_->dismiss();
    model_.startAgain();
    showModel();
    list(List::ProcessorModel)->setFocus(Qt::OtherFocusReason);
    announce(*controls_.helpLine, tr("Started again"));
}

void MainWindow::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect placed = rect();
        placed.moveCenter(screen->availableGeometry().center());
        move(placed.topLeft());
    }
}

void MainWindow::showModel() {
    // A label without an accessible name of its own tells screen readers of
    // each new text as its new name.
    controls_.helpLine->setText(QString::fromStdString(model_.help()));
    for (const FigureRow& row : kFigures) {
        showFigure(*controls_.figure(row.figure), row.heading, model_.estimate().*row.value);
    }
    announcer_->show(reading(0));
    for (std::size_t i = 0; i < kListCount; ++i) {
        const ListState& state = model_.listState(static_cast<List>(i));
        QComboBox* combo = controls_.lists[i];
        if (combo->currentIndex() != state.entry) {
            combo->setCurrentIndex(state.entry);
        }
        combo->setEnabled(state.enabled);
    }
    // Only starting again and pasting change a box from here: the model has
    // already handled the change, so the box does not tell it again.
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        QCheckBox* box = controls_.boxes[i];
        if (const bool checked = model_.isChecked(static_cast<Box>(i));
            box->isChecked() != checked) {
            const QSignalBlocker quiet(box);
            box->setChecked(checked);
        }
    }
    // The make-up is worked out only while it shows, so a pick costs no more.
    makeUp_->refresh();
}

}  // namespace kolva::ui
