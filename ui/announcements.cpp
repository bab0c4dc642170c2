#include "announcements.hpp"

#include <QAccessible>
#include <QWidget>

namespace kolva::ui {

namespace {

// How long the user rests before the estimate is told: longer than the
// repeat gap of a held or tapped arrow key, short enough to follow a pick.
constexpr int kPauseMs = 700;

}  // namespace

void announce(QObject& source, const QString& message) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(&source, message);
    QAccessible::updateAccessibility(&event);
#else
    static_cast<void>(source);
    static_cast<void>(message);
#endif
}

EstimateAnnouncer::EstimateAnnouncer(QWidget& source) : QObject(&source), source_(source) {
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    connect(&pause_, &QTimer::timeout, this, &EstimateAnnouncer::tellIfNew);
}

void EstimateAnnouncer::show(const QString& estimate) {
    shown_ = estimate;
    if (told_.isNull()) {
        told_ = estimate;
        return;
    }
    pause_.start();
}

void EstimateAnnouncer::tellIfNew() {
    if (shown_ == told_) {
        return;
    }
    told_ = shown_;
    announce(source_, told_);
}

}  // namespace kolva::ui
