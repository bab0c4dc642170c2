#pragma once

#include <QWidget>

#include <array>

#include "controls.hpp"
#include "layout.hpp"
#include "power_model.hpp"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;

namespace kolva::ui {

class EstimateAnnouncer;
class MakeUpPanel;

inline constexpr std::size_t kFigureCount = 3;

// Kolva's one window: a borderless, fixed-size window that builds its
// controls from the layout tables, forwards every user action to the model
// and shows what the model reports. Constructing it runs the load handler, so
// it is complete before it is first shown.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    const PowerModel& model() const { return model_; }
    QComboBox* list(List list) const { return lists_[indexOf(list)]; }
    QCheckBox* checkBox(Box box) const { return boxes_[indexOf(box)]; }
    // The stock, mild and heavy figures, in that order.
    QLabel* figure(std::size_t i) const { return figures_[i].label; }
    // A figure with its heading and unit: "Stock Speeds: 300 Watts".
    QString reading(std::size_t i) const;
    // How the estimate is made, once it has been shown.
    const MakeUpPanel* makeUpPanel() const { return makeUp_; }

    // Shows how the estimate is made: for the pointer resting on `figure`,
    // or, without one, with the keyboard focus in it.
    void showMakeUp(QWidget* figure);
    // Puts the machine and its estimate on the clipboard, and says so.
    void copyEstimate();
    // Returns every list, box, figure and the help line to a fresh start.
    void startAgain();
    // Sets the window to the machine on the clipboard, if it holds one that
    // Kolva copied; else changes nothing and says why on the help line.
    void pasteMachine();
    // The commands of the figures' menu, with their keys.
    QList<QAction*> figureCommands() const;

private:
    void buildPictures();
    void buildFrames();
    void buildLists();
    void buildCheckBoxes();
    void placeLabel(const LabelRow& row);
    void findFigures();
    void explainOnClick(QWidget& widget, Explained which);
    void addCommands();
    void dismissMakeUp();
    void setFocusOrder();
    void centreOnScreen();
    QWidget* container(std::string_view name);

    // Shows the model's help line, figures and list states.
    void showModel();

    PowerModel model_;
    std::array<QComboBox*, kListCount> lists_{};
    std::array<QCheckBox*, kBoxCount> boxes_{};
    QLabel* help_ = nullptr;
    struct Figure {
        QLabel* label = nullptr;
        QString heading;  // read out with the figure
    };
    std::array<Figure, kFigureCount> figures_;
    EstimateAnnouncer* announcer_ = nullptr;
    MakeUpPanel* makeUp_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* startAgain_ = nullptr;
    QAction* paste_ = nullptr;
};

}  // namespace kolva::ui
