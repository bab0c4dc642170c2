#pragma once

class QLabel;

namespace kolva::ui {

class MainWindow;

// Hovering `figure` shows how the estimate is made; its context menu holds
// the figures' commands, each with its key.
void offerDetails(QLabel& figure, MainWindow& window);

}  // namespace kolva::ui
