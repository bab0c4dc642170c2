#include "list_box.hpp"

#include <QAccessibleWidget>

namespace kolva::ui {

namespace {

class ListBoxAccessibility final : public QAccessibleWidget {
public:
    explicit ListBoxAccessibility(ListBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text which) const override {
        const auto* list = static_cast<const ListBox*>(widget());
        switch (which) {
            case QAccessible::Name:
                return list->accessibleName();
            case QAccessible::Value:
                return list->currentText();
            default:
                return QAccessibleWidget::text(which);
        }
    }
};

QAccessibleInterface* listBoxAccessibility(const QString& className, QObject* object) {
    if (className == QLatin1String(ListBox::staticMetaObject.className())) {
        return new ListBoxAccessibility(static_cast<ListBox*>(object));
    }
    return nullptr;
}

}  // namespace

ListBox::ListBox(QWidget* parent) : QComboBox(parent) {}

void installListBoxAccessibility() {
    QAccessible::installFactory(listBoxAccessibility);
}

}  // namespace kolva::ui
