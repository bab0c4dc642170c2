#include "estimate_details.hpp"

#include <QEvent>
#include <QLabel>
#include <QMenu>

#include "main_window.hpp"

namespace kolva::ui {

namespace {

// Shows the make-up when the pointer rests on the figure, where a tool tip
// would show.
class MakeUpOnHover final : public QObject {
public:
    MakeUpOnHover(QLabel& figure, MainWindow& window)
        : QObject(&figure), figure_(figure), window_(window) {
        figure.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &figure_ || event->type() != QEvent::ToolTip) {
            return false;
        }
        window_.showMakeUp(&figure_);
        return true;
    }

private:
    QLabel& figure_;
    MainWindow& window_;
};

}  // namespace

void offerDetails(QLabel& figure, MainWindow& window) {
    new MakeUpOnHover(figure, window);
    figure.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&figure, &QWidget::customContextMenuRequested, &figure,
                     [&figure, &window](QPoint at) {
                         QMenu menu(&figure);
                         menu.setFont(window.font());
                         menu.addActions(window.figureCommands());
                         menu.exec(figure.mapToGlobal(at));
                     });
}

}  // namespace kolva::ui
