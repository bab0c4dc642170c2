#include "machine_change.hpp"

#include <QCoreApplication>

#include <utility>

namespace kolva::ui {

MachineChange::MachineChange(const QString& text, const Machine& before, const Machine& after,
                             Restore restore, int series)
    : QUndoCommand(text),
      before_(before),
      after_(after),
      restore_(std::move(restore)),
      series_(series) {}

void MachineChange::undo() {
    restore_(before_, QCoreApplication::translate("kolva", "Undone: %1").arg(text()));
}

void MachineChange::redo() {
    if (std::exchange(made_, false)) {
        return;
    }
    restore_(after_, QCoreApplication::translate("kolva", "Redone: %1").arg(text()));
}

bool MachineChange::mergeWith(const QUndoCommand* other) {
    after_ = static_cast<const MachineChange*>(other)->after_;
    // Walked back to where it started, the series changes nothing.
    setObsolete(after_ == before_);
    return true;
}

}  // namespace kolva::ui
