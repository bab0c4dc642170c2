#include "main_window.hpp"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShortcut>

#include "artwork.hpp"
#include "frame_box.hpp"
#include "gestures.hpp"
#include "layout.hpp"
#include "list_box.hpp"
#include "look.hpp"
#include "picture.hpp"
#include "selection_rules.hpp"

namespace kolva::ui {

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The stock, mild and heavy figures, each with the heading above it and
// the control whose click explains it.
struct FigureSpec {
    std::string_view name;
    std::string_view heading;
    Explained explained;
};
constexpr std::array<FigureSpec, 3> kFigures = {{
    {"Label4", "Label8889", Explained::Label4},
    {"Text31", "Label9", Explained::Text31},
    {"Text32", "Label5", Explained::Text32},
}};

// Shows a figure and names it for screen readers as "Stock Speeds: 300 Watts",
// so the number says what it means.
void showFigure(QLabel& figure, const QString& heading, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    figure.setText(shown);
    figure.setAccessibleName(MainWindow::tr("%1: %2 Watts").arg(heading, shown));
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(qText(kWindowName));
    setWindowTitle(QStringLiteral("Kolva"));
    setFixedSize(toPixels(kClientArea).size());
    setPalette(windowPalette());
    setAutoFillBackground(true);
    setFont(defaultFont());

    // Creation order is stacking order: pictures and window labels lie
    // beneath the component panel.
    buildPictures();
    for (const LabelSpec& spec : windowLabels()) {
        placeLabel(spec);
    }
    buildFrames();
    for (const LabelSpec& spec : frameLabels()) {
        placeLabel(spec);
    }
    buildLists();
    buildCheckBoxes();
    help_ = findChild<QLabel*>(QStringLiteral("help"));
    for (std::size_t i = 0; i < kFigures.size(); ++i) {
        figures_[i] = {findChild<QLabel*>(qText(kFigures[i].name)),
                       findChild<QLabel*>(qText(kFigures[i].heading))->text()};
    }
    connectExplanations();
    describeForAccessibility();
    addQuitShortcuts();
    setFocusOrder();
    centreOnScreen();

    model_.load();
    showModel();
}

void MainWindow::buildPictures() {
    background_ = new Picture(paintBackground, this);
    background_->setObjectName(qText(kBackgroundPicture.name));
    background_->setGeometry(toPixels(kBackgroundPicture.at));
    makeDragHandle(*background_);

    auto* quit = new Picture(paintQuitButton, this);
    quit->setObjectName(qText(kQuitPicture.name));
    quit->setGeometry(toPixels(kQuitPicture.at));
    quit->setCursor(Qt::PointingHandCursor);
    onClick(*quit, [this] { close(); });
}

void MainWindow::buildFrames() {
    for (const FrameSpec& spec : frames()) {
        auto* frame = new FrameBox(qText(spec.caption), spec.bordered, container(spec.parent));
        frame->setObjectName(qText(spec.name));
        frame->setGeometry(toPixels(spec.at));
        frame->setFont(listFont());
    }
    for (const LineSpec& line : lines()) {
        auto* frame = static_cast<FrameBox*>(container(line.parent));
        frame->addLine(toPixels(line.x), toPixels(line.top), toPixels(line.bottom));
    }
}

void MainWindow::placeLabel(const LabelSpec& spec) {
    auto* label = new QLabel(qText(spec.text), container(spec.parent));
    label->setObjectName(qText(spec.name));
    label->setGeometry(toPixels(spec.at));
    styleLabel(*label, spec.style);
}

void MainWindow::buildLists() {
    for (const ListSpec& spec : lists()) {
        auto* combo = new ListBox(container(spec.parent));
        combo->setObjectName(qText(controlName(spec.list)));
        combo->setGeometry(toPixels(spec.at));
        combo->setAccessibleName(qText(spec.accessibleName));
        combo->setAccessibleDescription(qText(ruleFor(spec.list).help));
        styleList(*combo);
        QStringList entries;
        for (const std::string& entry : entriesOf(spec.list)) {
            entries.append(QString::fromStdString(entry));
        }
        combo->addItems(entries);
        combo->setCurrentIndex(-1);
        combo->setEnabled(model_.listState(spec.list).enabled);
        connect(combo, &QComboBox::activated, this, [this, list = spec.list](int entry) {
            model_.pick(list, entry);
            showModel();
        });
        lists_[indexOf(spec.list)] = combo;
    }
}

void MainWindow::buildCheckBoxes() {
    for (const CheckSpec& spec : checkBoxes()) {
        auto* box = new QCheckBox(qText(spec.caption), container(spec.parent));
        box->setObjectName(qText(controlName(spec.box)));
        box->setAccessibleDescription(qText(ruleFor(spec.box).help));
        box->setGeometry(toPixels(spec.at));
        styleCheckBox(*box);
        connect(box, &QCheckBox::clicked, this, [this, which = spec.box](bool checked) {
            model_.toggle(which, checked);
            showModel();
        });
        boxes_[indexOf(spec.box)] = box;
    }
}

void MainWindow::connectExplanations() {
    const auto explainOnClick = [this](QWidget& widget, Explained which) {
        onClick(widget, [this, which] {
            model_.explain(which);
            showModel();
        });
    };
    explainOnClick(*findChild<QLabel*>(QStringLiteral("Label18")), Explained::Label18);
    for (std::size_t i = 0; i < kFigures.size(); ++i) {
        explainOnClick(*figures_[i].label, kFigures[i].explained);
    }
}

void MainWindow::describeForAccessibility() {
    for (std::size_t i = 0; i < kFigures.size(); ++i) {
        figures_[i].label->setAccessibleDescription(qText(explanation(kFigures[i].explained)));
    }

    background_->setAccessibleName(tr("Drag to move"));
    background_->setAccessibleDescription(
        tr("Press on the background and move to move the window"));
    auto* quit = findChild<QWidget*>(qText(kQuitPicture.name));
    quit->setAccessibleName(tr("Quit"));
    quit->setAccessibleDescription(tr("Closes Kolva (Ctrl+Q or Escape)"));
}

void MainWindow::addQuitShortcuts() {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::Key_Escape)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }
}

void MainWindow::setFocusOrder() {
    QWidget* previous = nullptr;
    for (const FocusStop& stop : focusOrder()) {
        QWidget* current = std::holds_alternative<List>(stop)
                               ? static_cast<QWidget*>(list(std::get<List>(stop)))
                               : checkBox(std::get<Box>(stop));
        current->setFocusPolicy(Qt::StrongFocus);
        if (previous != nullptr) {
            setTabOrder(previous, current);
        }
        previous = current;
    }
}

void MainWindow::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect placed = rect();
        placed.moveCenter(screen->availableGeometry().center());
        move(placed.topLeft());
    }
}

QWidget* MainWindow::container(std::string_view name) {
    if (name == kWindowName) {
        return this;
    }
    return findChild<QWidget*>(qText(name));
}

void MainWindow::showModel() {
    const QString help = QString::fromStdString(model_.help());
    if (help_->text() != help) {
        help_->setText(help);
        // Screen readers announce the new help text as the label's new name.
        QAccessibleEvent changed(help_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    const Estimate& estimate = model_.estimate();
    const std::array<const std::string*, 3> shown = {&estimate.stock, &estimate.mild,
                                                     &estimate.heavy};
    for (std::size_t i = 0; i < figures_.size(); ++i) {
        showFigure(*figures_[i].label, figures_[i].heading, *shown[i]);
    }
    for (std::size_t i = 0; i < kListCount; ++i) {
        const ListState& state = model_.listState(static_cast<List>(i));
        QComboBox* combo = lists_[i];
        if (combo->currentIndex() != state.entry) {
            combo->setCurrentIndex(state.entry);
        }
        combo->setEnabled(state.enabled);
    }
}

}  // namespace kolva::ui
