#pragma once

#include <QLabel>

namespace kolva::ui {

// The line at the window's foot that says what the control touched last is
// for. Screen readers know it as the window's status line, which they read
// on request (Orca: Insert+KP_Enter twice); Qt gives a label no such role.
class HelpLine final : public QLabel {
    Q_OBJECT

public:
    explicit HelpLine(QWidget* parent);
};

}  // namespace kolva::ui
