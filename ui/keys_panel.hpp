#pragma once

#include <QList>

#include "note_panel.hpp"

class QAction;

namespace kolva::ui {

// Kolva's keys, in a panel like the make-up's: each of `commands` by its name
// with its keys, then the keys that work the lists and boxes. It shows with
// the keyboard in it, to be read line by line.
class KeysPanel final : public NotePanel {
    Q_OBJECT

public:
    // `area` is the part of `window` the panel may use.
    KeysPanel(QWidget& window, QRect area, QList<QAction*> commands);

    void showFocused();

private:
    QList<QAction*> commands_;
};

}  // namespace kolva::ui
