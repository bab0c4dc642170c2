#include "accessible_roles.hpp"

#include <QAccessibleWidget>
#include <QLabel>

#include "layout.hpp"
#include "main_window.hpp"

namespace kolva::ui {

namespace {

// The help line read as a status line: its name is its text, as a label's is.
class StatusLine final : public QAccessibleWidget {
public:
    explicit StatusLine(QLabel* label) : QAccessibleWidget(label, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* roleFor(const QString& className, QObject* object) {
    if (className == QLatin1String(MainWindow::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    if (className == QLatin1String("QLabel") &&
        object->objectName() == QLatin1StringView(kHelpLineName.data(), kHelpLineName.size())) {
        return new StatusLine(static_cast<QLabel*>(object));
    }
    return nullptr;
}

}  // namespace

void installAccessibleRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(roleFor);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace kolva::ui
