#pragma once

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "main_window.hpp"

namespace kolva::testing_support {

// Picks entry `entry` the way a keyboard user does: opens the list, walks
// down to the entry in its popup and presses Return.
inline bool pickFromPopup(QComboBox& combo, int entry) {
    combo.showPopup();
    QAbstractItemView* view = combo.view();
    QTest::keyClick(view, Qt::Key_Home);
    for (int i = 0; i < entry; ++i) {
        QTest::keyClick(view, Qt::Key_Down);
    }
    QTest::keyClick(view, Qt::Key_Return);
    return combo.currentIndex() == entry;
}

// Picks the first entry whose text is exactly `text`.
inline bool pickFromPopup(QComboBox& combo, const QString& text) {
    const int entry = combo.findText(text, Qt::MatchExactly);
    return entry >= 0 && pickFromPopup(combo, entry);
}

struct Figures {
    QString stock;
    QString mild;
    QString heavy;
};

inline Figures figuresOf(const ui::MainWindow& window) {
    return {window.figure(0)->text(), window.figure(1)->text(), window.figure(2)->text()};
}

inline QString helpOf(const ui::MainWindow& window) {
    return window.helpLine()->text();
}

}  // namespace kolva::testing_support
