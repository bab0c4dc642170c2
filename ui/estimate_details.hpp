#pragma once

#include <QString>

class QLabel;

namespace kolva::ui {

class MainWindow;

// The machine that the window describes and its estimate, as plain text for
// the clipboard: each chosen list entry after what the list chooses, the
// ticked boxes by their captions, the figures with their headings, and how
// the estimate is made.
QString machineText(const MainWindow& window);

// Puts the text above on the clipboard.
void copyEstimate(const MainWindow& window);

// Shows how the estimate is made in a tool tip at the stock figure, as asked
// for from the keyboard, and tells screen readers what it says.
void showMakeUp(const MainWindow& window);

// Hovering `figure` shows how the estimate is made, in a tool tip written
// only when it is shown; its context menu offers "Copy Estimate".
void offerMakeUp(QLabel& figure, const MainWindow& window);

}  // namespace kolva::ui
