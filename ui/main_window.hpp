#pragma once

#include <QUndoStack>
#include <QWidget>

#include <functional>
#include <optional>

#include "controls.hpp"
#include "machine_reader.hpp"
#include "power_model.hpp"
#include "window_controls.hpp"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;

namespace kolva::ui {

class CommandMenu;
class EstimateAnnouncer;
class KeysPanel;
class MakeUpPanel;
class NotePanel;

// Kolva's one window: a borderless, fixed-size window that forwards every
// user action to the model and shows what the model reports. Constructing it
// runs the load handler, so it is complete before it is first shown.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    const PowerModel& model() const { return model_; }
    QComboBox* list(List list) const { return controls_.list(list); }
    QCheckBox* checkBox(Box box) const { return controls_.box(box); }
    // The stock, mild and heavy figures, in that order.
    QLabel* figure(std::size_t i) const { return controls_.figures[i]; }
    QLabel* helpLine() const;
    // A figure with its heading and unit: "Stock Speeds: 300 Watts".
    QString reading(std::size_t i) const;
    // How the estimate is made, while it shows.
    const MakeUpPanel* makeUpPanel() const { return makeUp_; }
    // Why the last paste was refused, while it shows.
    const NotePanel* pasteNotice() const { return pasteNotice_; }
    // The window's menu of commands.
    const CommandMenu* menu() const { return menu_; }

    // Puts the machine and its estimate on the clipboard, and says so.
    void copyEstimate();
    // Returns every list, box, figure and the help line to a fresh start.
    void startAgain();
    // Sets the window to the machine on the clipboard, if it holds one;
    // else changes nothing and says why on the help line and in a panel.
    void pasteMachine();
    // Takes back the last step, or says that there is none.
    void undo();
    // Makes the last step taken back again, or says that there is none.
    void redo();
    // Shows how the estimate is made, or the keys, in a panel that takes the keyboard.
    void showMakeUp();
    void showKeys();
    void openMenu();

private:
    void connectControls();
    QAction* command(const QString& text, const QList<QKeySequence>& keys,
                     const std::function<void()>& does);
    void addCommands();
    void nameSteps(QAction& undoStep, QAction& redoStep);
    void offerMenu(QAction& undoStep, QAction& redoStep);
    void placeOnScreen();

    // Records what the user changed since the machine was `before` as one
    // step to undo, merged with the last one if both are of `series`.
    void record(const QString& change, const Machine& before, int series = -1);
    // Ends the run of changes to one list that makes up the last step, so
    // that the next change is a step of its own.
    void endRun();
    // Sets every list and box to `machine` through the model's handlers and
    // says `done` on the help line, for undoing and redoing.
    void restore(const Machine& machine, const QString& done);
    // Says why a paste was refused, changing nothing else.
    void explainRefusal(const PasteRefusal& refusal);
    // Shows `notice` on the help line and tells screen readers of it.
    void say(const QString& notice);

    // Shows the model's help line, figures and list states.
    void showModel();

    PowerModel model_;
    WindowControls controls_;
    QUndoStack history_;
    // The list whose changes make up the step on top of the history, while
    // the user goes on changing it; every run of changes has a number of its own.
    std::optional<List> run_;
    int runNumber_ = 0;
    EstimateAnnouncer* announcer_ = nullptr;
    MakeUpPanel* makeUp_ = nullptr;
    NotePanel* pasteNotice_ = nullptr;
    KeysPanel* keys_ = nullptr;
    CommandMenu* menu_ = nullptr;
};

}  // namespace kolva::ui
