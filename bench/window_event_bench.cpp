// The cost of one user action in the real window, offscreen: a key press that
// picks the next entry of a list, through the model, until the figures show
// their new text. Prints the median of many such picks in microseconds.

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "look.hpp"
#include "main_window.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kolva::ui::prepareApplication();
    kolva::ui::MainWindow window;
    window.show();
    QCoreApplication::processEvents();

    QComboBox* disks = window.list(kolva::List::HardDrives);
    const auto* stock = window.findChild<QLabel*>(QStringLiteral("Label4"));
    constexpr int kPicks = 2000;
    std::vector<qint64> nanoseconds;
    nanoseconds.reserve(kPicks);
    for (int i = 0; i < kPicks; ++i) {
        const bool down = disks->currentIndex() < disks->count() - 1 && (i / 12) % 2 == 0;
        const QString before = stock->text();
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(disks, down ? Qt::Key_Down : Qt::Key_Up);
        // Let the repaint that the new figures ask for happen too.
        QCoreApplication::processEvents();
        nanoseconds.push_back(timer.nsecsElapsed());
        if (stock->text() == before && disks->currentIndex() != 0) {
            std::fprintf(stderr, "a pick did not change the figures\n");
            return 1;
        }
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());
    std::printf("%.1f\n", static_cast<double>(nanoseconds[kPicks / 2]) / 1000.0);
    return 0;
}
