#pragma once

#include <QUndoCommand>

#include <functional>

#include "machine.hpp"

namespace kolva::ui {

// One change of the machine that the window describes, for undoing and
// redoing: the machine before it and after it, each given back through the
// model's handlers. It is recorded once the user has made the change, so it
// is not made again when it first goes on the undo stack.
class MachineChange final : public QUndoCommand {
public:
    // Sets the window to a machine, saying on the help line what was done.
    using Restore = std::function<void(const Machine&, const QString& done)>;

    // A change merges into the one before it when both are of one `series`,
    // which the window gives to a run of changes that is to be one step:
    // Qt's stack merges any two of one id, across an undo too. -1: none.
    MachineChange(const QString& text, const Machine& before, const Machine& after, Restore restore,
                  int series = -1);

    void undo() override;
    void redo() override;
    int id() const override { return series_; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    Machine before_;
    Machine after_;
    Restore restore_;
    int series_;
    bool made_ = true;
};

}  // namespace kolva::ui
