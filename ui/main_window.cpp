#include "main_window.hpp"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>

#include "announcements.hpp"
#include "command_menu.hpp"
#include "focus_ring.hpp"
#include "gestures.hpp"
#include "help_line.hpp"
#include "keys_panel.hpp"
#include "look.hpp"
#include "machine_change.hpp"
#include "machine_reader.hpp"
#include "machine_text.hpp"
#include "makeup_panel.hpp"
#include "note_panel.hpp"
#include "picture.hpp"
#include "quit_button.hpp"
#include "text.hpp"

namespace kolva::ui {

namespace {

// Each figure: the heading it is read with, what its click explains and the
// figure of the estimate it shows.
struct FigureRow {
    Figure figure;
    std::string_view heading;
    Explained explained;
    FigureOf value;
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
    placeOnScreen();
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

// Every user action on a control goes to the model's handler for it, and
// what it changed becomes a step to undo: for a list, one step for as long as
// the user goes on changing that list.
void MainWindow::connectControls() {
    for (std::size_t i = 0; i < kListCount; ++i) {
        connect(controls_.lists[i], &QComboBox::activated, this,
                [this, list = static_cast<List>(i)](int entry) {
                    if (run_ != list) {
                        endRun();
                        run_ = list;
                    }
                    const Machine before = model_.machine();
                    model_.pick(list, entry);
                    record(tr("Change %1").arg(qText(ruleFor(list).changes)), before, runNumber_);
                    showModel();
                });
    }
    // Every change of a box's state, whether clicked, ticked with Space or
    // toggled by a screen reader's action, runs its handler.
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        connect(controls_.boxes[i], &QCheckBox::toggled, this,
                [this, box = static_cast<Box>(i)](bool checked) {
                    endRun();
                    const Machine before = model_.machine();
                    model_.toggle(box, checked);
                    const QString caption = qText(ruleFor(box).caption);
                    record(checked ? tr("Tick %1").arg(caption) : tr("Untick %1").arg(caption),
                           before);
                    showModel();
                });
    }
    // The keyboard moving on from a list ends its run, as a cursor moved ends
    // a run of typing; an open list's popup is a window of its own.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (run_ && now != nullptr && now->window() == this && now != list(*run_)) {
            endRun();
        }
    });
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
    connect(controls_.quit, &QuitButton::clicked, this, &QWidget::close);
    showFocusOnFirstKey(*this);
}

// Makes a command named `text`, whose `keys` work anywhere in the window, to
// do `does`. An open list takes the keyboard, so they never act from there.
QAction* MainWindow::command(const QString& text, const QList<QKeySequence>& keys,
                             const std::function<void()>& does) {
    auto* made = new QAction(text, this);
    made->setShortcuts(keys);
    made->setShortcutVisibleInContextMenu(true);
    addAction(made);
    connect(made, &QAction::triggered, this, does);
    return made;
}

// The window's commands, each made, keyed and connected here; the menu and
// the keys panel only lay them out.
void MainWindow::addCommands() {
    QAction* copy = command(tr("&Copy Estimate"), {QKeySequence::Copy}, [this] { copyEstimate(); });
    QAction* paste =
        command(tr("&Paste Machine"), {QKeySequence::Paste}, [this] { pasteMachine(); });
    QAction* undoStep = command(tr("&Undo"), {QKeySequence::Undo}, [this] { undo(); });
    // Ctrl+Shift+Z, and Ctrl+Y as many programs take it.
    QAction* redoStep = command(
        tr("&Redo"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
        [this] { redo(); });
    QAction* again = command(tr("&Start Again"), {QKeySequence::New}, [this] { startAgain(); });
    // Shift+F1, Qt's key for "What's This?", which desktops leave to programs;
    // and Ctrl+F1, the key for a tool tip, where a desktop does not take it
    // for its workspaces (KDE Plasma and Xfce do).
    QAction* makeUp =
        command(tr("&How the Estimate Is Made"),
                {QKeySequence(Qt::SHIFT | Qt::Key_F1), QKeySequence(Qt::CTRL | Qt::Key_F1)},
                [this] { showMakeUp(); });
    // F1, every desktop's key for help.
    QAction* keys =
        command(tr("&Keyboard Shortcuts"), {QKeySequence(Qt::Key_F1)}, [this] { showKeys(); });
    QAction* menu = command(tr("Open the &Menu"),
                            {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)},
                            [this] { openMenu(); });
    // Ctrl+Q, the desktop's quit key. Escape is left to the open lists and the
    // panels: closing Kolva with it would throw every choice away by a slip.
    QAction* quit = command(tr("&Quit"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, [this] { close(); });
    nameSteps(*undoStep, *redoStep);

    const QRect panels = toPixels(kMakeUpArea);
    const QList<QLabel*> figures(controls_.figures.begin(), controls_.figures.end());
    makeUp_ = new MakeUpPanel(*this, panels, figures, [this] { return model_.makeUp(); });
    pasteNotice_ = new NotePanel(*this, panels, tr("Why the machine was not pasted"));
    keys_ = new KeysPanel(*this, panels,
                          {copy, paste, undoStep, redoStep, again, makeUp, keys, menu, quit});
    menu_ = new CommandMenu(*this,
                            {{copy, paste}, {undoStep, redoStep}, {again}, {makeUp, keys}, {quit}});
    offerMenu(*undoStep, *redoStep);
}

// The menu says what Undo and Redo would take back or do again; their short
// names stay for the keys panel.
void MainWindow::nameSteps(QAction& undoStep, QAction& redoStep) {
    undoStep.setIconText(tr("Undo"));
    redoStep.setIconText(tr("Redo"));
    connect(&history_, &QUndoStack::undoTextChanged, &undoStep, [&undoStep](const QString& step) {
        undoStep.setText(step.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(step));
    });
    connect(&history_, &QUndoStack::redoTextChanged, &redoStep, [&redoStep](const QString& step) {
        redoStep.setText(step.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(step));
    });
}

// A right-click on a list, a box or the figures opens the menu; one on the
// background drags the window. In the menu, Undo and Redo show whether there
// is anything to undo or redo; their keys always answer, if only to say that
// there is not.
void MainWindow::offerMenu(QAction& undoStep, QAction& redoStep) {
    for (QWidget* control : controls_.lists) {
        menu_->openOnRightClick(*control);
    }
    for (QWidget* control : controls_.boxes) {
        menu_->openOnRightClick(*control);
    }
    menu_->openOnRightClick(*controls_.figuresFrame);
    connect(menu_, &QMenu::aboutToShow, this, [this, &undoStep, &redoStep] {
        undoStep.setEnabled(history_.canUndo());
        redoStep.setEnabled(history_.canRedo());
    });
    connect(menu_, &QMenu::aboutToHide, this, [&undoStep, &redoStep] {
        undoStep.setEnabled(true);
        redoStep.setEnabled(true);
    });
}

void MainWindow::copyEstimate() {
    endRun();
    QGuiApplication::clipboard()->setText(QString::fromStdString(machineText(model_)));
    say(tr("Estimate copied"));
}

void MainWindow::pasteMachine() {
    endRun();
    const auto read = readMachine(QGuiApplication::clipboard()->text().toStdString());
    if (const auto* refusal = std::get_if<PasteRefusal>(&read)) {
        explainRefusal(*refusal);
        return;
    }
    const auto& pasted = std::get<PastedMachine>(read);
    const Machine before = model_.machine();
    model_.apply(pasted.machine);
    record(tr("Paste Machine"), before);
    say(statesOtherFigures(pasted, model_.estimate())
            ? tr("Machine pasted; its figures were worked out again")
            : tr("Machine pasted"));
}

// The brief reason on the help line, the whole one in the paste notice.
void MainWindow::explainRefusal(const PasteRefusal& refusal) {
    // A sentence ends with a full stop, unless it ends with "…" already.
    QString reason = QString::fromStdString(refusal.reason);
    if (!reason.endsWith(QChar(0x2026))) {
        reason += QLatin1Char('.');
    }
    const QString brief = QString::fromStdString(refusal.brief);
    const QString notPasted = tr("The machine was not pasted; nothing has changed.");
    if (refusal.line == 0) {
        say(brief);
        pasteNotice_->showText(notPasted,
                               {reason, tr("Kolva reads a machine a part a line, as it copies one: "
                                           "\u201cCPU: 2 \u00d7 Opteron\u201d.")});
        return;
    }
    say(tr("Line %1: %2").arg(refusal.line).arg(brief));
    pasteNotice_->showText(notPasted, {tr("Line %1 reads \u201c%2\u201d.")
                                           .arg(refusal.line)
                                           .arg(QString::fromStdString(refusal.text)),
                                       reason});
}

void MainWindow::startAgain() {
    endRun();
    const Machine before = model_.machine();
    model_.startAgain();
    record(tr("Start Again"), before);
    makeUp_->dismiss();
    say(tr("Started again"));
    list(List::ProcessorModel)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::undo() {
    endRun();
    if (history_.canUndo()) {
        history_.undo();
    } else {
        say(tr("Nothing to undo"));
    }
}

void MainWindow::redo() {
    endRun();
    if (history_.canRedo()) {
        history_.redo();
    } else {
        say(tr("Nothing to redo"));
    }
}

void MainWindow::showMakeUp() {
    makeUp_->showFocused();
}

void MainWindow::showKeys() {
    keys_->showFocused();
}

void MainWindow::openMenu() {
    menu_->openAtFocus();
}

void MainWindow::endRun() {
    run_.reset();
    ++runNumber_;
}

void MainWindow::record(const QString& change, const Machine& before, int series) {
    if (const Machine after = model_.machine(); after != before) {
        history_.push(new MachineChange(
            change, before, after,
            [this](const Machine& machine, const QString& done) { restore(machine, done); },
            series));
    }
}

void MainWindow::restore(const Machine& machine, const QString& done) {
    model_.apply(machine);
    say(done);
}

void MainWindow::say(const QString& notice) {
    model_.tell(notice.toStdString());
    showModel();
    announce(*controls_.helpLine, notice);
}

// Centred on the screen; where the screen is too small for that, with its
// top-left corner on the screen, so that its banner can be seen and dragged.
void MainWindow::placeOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        QRect placed = rect();
        placed.moveCenter(available.center());
        placed.moveTopLeft(
            {std::max(placed.left(), available.left()), std::max(placed.top(), available.top())});
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
    // Only starting again, pasting and undoing change a box from here: the
    // model has already handled the change, so the box does not tell it again.
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        QCheckBox* box = controls_.boxes[i];
        if (const bool checked = model_.isChecked(static_cast<Box>(i));
            box->isChecked() != checked) {
            const QSignalBlocker quiet(box);
            box->setChecked(checked);
        }
    }
    // A refused paste is explained until the window next changes.
    pasteNotice_->hide();
    // The make-up is worked out only while it shows, so a pick costs no more.
    makeUp_->refresh();
}

}  // namespace kolva::ui
