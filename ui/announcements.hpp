#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

namespace kolva::ui {

// Tells screen readers `message` as coming from `source`, to be spoken after
// what they are saying. Qt offers announcements from 6.8 on; with an older Qt
// this does nothing.
void announce(QObject& source, const QString& message);

// Tells screen readers the new estimate ("Stock Speeds: 300 Watts") once the
// user pauses, and only when it differs from the last one told, so that a
// user walking a list entry by entry is not talked over at every step.
// With a Qt before 6.8 nothing is announced and the figures are read by
// reviewing them.
class EstimateAnnouncer final : public QObject {
public:
    // `source` is the object the announcements come from.
    explicit EstimateAnnouncer(QWidget& source);

    // The estimate now shown; announced after the pause unless it changes
    // again. The first one is the window's opening estimate, which readers
    // read with the window, so it is not announced.
    void show(const QString& estimate);

private:
    void tellIfNew();

    QWidget& source_;
    QString shown_;
    QString told_;
    QTimer pause_;
};

}  // namespace kolva::ui
