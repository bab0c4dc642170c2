#include "help_line.hpp"

#include <QAccessibleWidget>

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

QAccessibleInterface* statusLineFor(const QString& className, QObject* object) {
    if (className == QLatin1String(HelpLine::staticMetaObject.className())) {
        return new StatusLine(static_cast<QLabel*>(object));
    }
    return nullptr;
}

}  // namespace

HelpLine::HelpLine(QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(statusLineFor);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace kolva::ui
