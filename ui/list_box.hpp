#pragma once

#include <QComboBox>

class QAccessibleInterface;

namespace kolva::ui {

// A pick-only drop-down list. Screen readers read it by its accessible name
// ("Processor model") and its chosen entry as the value; the toolkit's own
// combo box would give the chosen entry as the name on Linux.
class ListBox final : public QComboBox {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent);
};

// Makes the accessibility framework describe every ListBox as above.
void installListBoxAccessibility();

}  // namespace kolva::ui
