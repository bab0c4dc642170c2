#include "main_window.hpp"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>

#include "accessible_roles.hpp"
#include "announcements.hpp"
#include "artwork.hpp"
#include "estimate_details.hpp"
#include "frame_box.hpp"
#include "gestures.hpp"
#include "layout.hpp"
#include "look.hpp"
#include "machine_reader.hpp"
#include "machine_text.hpp"
#include "makeup_panel.hpp"
#include "picture.hpp"
#include "selection_rules.hpp"

namespace kolva::ui {

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The stock, mild and heavy figures: the label that shows each, the heading
// above it, the control whose click explains it and the figure it shows.
struct FigureRow {
    std::string_view name;
    std::string_view heading;
    Explained explained;
    std::string Estimate::*value;
};
constexpr std::array<FigureRow, kFigureCount> kFigures = {{
    {"Label4", "Label8889", Explained::StockFigure, &Estimate::stock},
    {"Text31", "Label9", Explained::MildFigure, &Estimate::mild},
    {"Text32", "Label5", Explained::HeavyFigure, &Estimate::heavy},
}};

// Shows a figure and names it for screen readers as "Stock Speeds: 300", so
// the number says what it means; the "Watts" beside it follows when a reader
// reviews the line. A new name is sent to screen readers, so a figure that
// stays the same is left alone.
void showFigure(QLabel& figure, const QString& heading, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    const QString name = MainWindow::tr("%1: %2").arg(heading, shown);
    if (figure.accessibleName() != name) {
        figure.setText(shown);
        figure.setAccessibleName(name);
    }
}

// An open list's popup marks the entry walked to; closed with Escape, it
// would keep that mark, which screen readers take as the list's value. Once
// hidden, it marks the entry the list shows again. The popup is made when
// first opened, not before, so it is watched for from then on.
class PopupFollowsList final : public QObject {
public:
    explicit PopupFollowsList(QComboBox& list) : QObject(&list), list_(list) {
        // Some Qt versions make the popup early, for screen readers.
        for (QWidget* child : list.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            child->installEventFilter(this);
        }
        list.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &list_ && event->type() == QEvent::ChildAdded) {
            if (QObject* child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType()) {
                child->installEventFilter(this);
            }
        } else if (watched != &list_ && event->type() == QEvent::Hide) {
            // Queued: a pick made with Return hides the popup before the list
            // reads the picked entry from it.
            QMetaObject::invokeMethod(
                this, [this] { markShownEntry(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void markShownEntry() {
        list_.view()->setCurrentIndex(
            list_.model()->index(list_.currentIndex(), list_.modelColumn()));
    }

    QComboBox& list_;
};

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    // Before anything tells screen readers of the window (its title does).
    installAccessibleRoles();
    setObjectName(qText(kWindowName));
    setWindowTitle(QStringLiteral("Kolva"));
    setFixedSize(toPixels(kClientArea).size());
    setPalette(windowPalette());
    setAutoFillBackground(true);
    setFont(defaultFont());

    // Creation order is stacking order: pictures and window labels lie
    // beneath the component panel.
    buildPictures();
    for (const LabelRow& row : kWindowLabels) {
        placeLabel(row);
    }
    buildFrames();
    for (const LabelRow& row : kFrameLabels) {
        placeLabel(row);
    }
    buildLists();
    buildCheckBoxes();
    help_ = findChild<QLabel*>(qText(kHelpLineName));
    findFigures();
    explainOnClick(*findChild<QLabel*>(qText(kTecCaptionName)), Explained::TecCaption);
    addCommands();
    setFocusOrder();
    centreOnScreen();

    announcer_ = new EstimateAnnouncer(*figure(0));

    model_.load();
    showModel();
}

QString MainWindow::reading(std::size_t i) const {
    return tr("%1: %2 Watts").arg(figures_[i].heading, figures_[i].label->text());
}

void MainWindow::buildPictures() {
    auto* background = new Picture(paintBackground, this);
    background->setObjectName(qText(kBackgroundPicture.name));
    background->setGeometry(toPixels(kBackgroundPicture.at));
    background->setAccessibleName(tr("Drag to move"));
    background->setAccessibleDescription(tr("Press on the background and move to move the window"));
    makeDragHandle(*background);

    auto* quit = new Picture(paintQuitButton, this);
    quit->setObjectName(qText(kQuitPicture.name));
    quit->setGeometry(toPixels(kQuitPicture.at));
    quit->setAccessibleName(tr("Quit"));
    quit->setAccessibleDescription(tr("Closes Kolva (Ctrl+Q)"));
    quit->setCursor(Qt::PointingHandCursor);
    onClick(*quit, [this] { close(); });
}

void MainWindow::buildFrames() {
    for (const FrameRow& row : kFrames) {
        auto* frame = new FrameBox(qText(row.caption), row.bordered, container(row.parent));
        frame->setObjectName(qText(row.name));
        frame->setGeometry(toPixels(row.at));
        frame->setFont(listFont());
    }
    for (const LineRow& line : kLines) {
        auto* frame = static_cast<FrameBox*>(container(line.parent));
        frame->addLine(toPixels(line.x), toPixels(line.top), toPixels(line.bottom));
    }
}

void MainWindow::placeLabel(const LabelRow& row) {
    // Named before it is given its text, which first shows it to screen
    // readers: they are told what it is by its name (the help line's role).
    auto* label = new QLabel(container(row.parent));
    label->setObjectName(qText(row.name));
    label->setText(qText(row.text));
    label->setGeometry(toPixels(row.at));
    styleLabel(*label, row.style);
}

void MainWindow::buildLists() {
    for (const ListRow& row : kLists) {
        auto* combo = new QComboBox(container(row.parent));
        new PopupFollowsList(*combo);
        combo->setObjectName(qText(row.name));
        combo->setGeometry(toPixels(row.at));
        // Screen readers read the chosen entry as the list's name, and what
        // the list is for from its description. Qt names a list whose entry
        // is blank by this name instead; without it the list would take its
        // frame's caption, which sounds like an entry.
        combo->setAccessibleDescription(qText(ruleFor(row.list).purpose));
        combo->setAccessibleName(tr("blank"));
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
        // The caption beside a list is its label. Before Qt 6.5 a list offers
        // its entry to readers only as its name, which a label takes the place
        // of, so there the description alone says what the list is for.
        if (!row.caption.empty()) {
            findChild<QLabel*>(qText(row.caption))->setBuddy(combo);
        }
#endif
        styleList(*combo);
        QStringList entries;
        for (const std::string& entry : entriesOf(row.list)) {
            entries.append(QString::fromStdString(entry));
        }
        combo->addItems(entries);
        combo->setCurrentIndex(-1);
        combo->setEnabled(model_.listState(row.list).enabled);
        connect(combo, &QComboBox::activated, this, [this, list = row.list](int entry) {
            model_.pick(list, entry);
            showModel();
        });
        lists_[indexOf(row.list)] = combo;
    }
}

void MainWindow::buildCheckBoxes() {
    for (const CheckRow& row : kCheckBoxes) {
        const BoxRule& rule = ruleFor(row.box);
        auto* box = new QCheckBox(qText(rule.caption), container(row.parent));
        box->setObjectName(qText(row.name));
        box->setAccessibleDescription(qText(rule.help));
        box->setGeometry(toPixels(row.at));
        styleCheckBox(*box);
        // Every change of the box's state, whether clicked, ticked with Space
        // or toggled by a screen reader's action, runs its handler.
        connect(box, &QCheckBox::toggled, this, [this, which = row.box](bool checked) {
            model_.toggle(which, checked);
            showModel();
        });
        boxes_[indexOf(row.box)] = box;
    }
}

void MainWindow::findFigures() {
    for (std::size_t i = 0; i < kFigures.size(); ++i) {
        const FigureRow& row = kFigures[i];
        auto* figure = findChild<QLabel*>(qText(row.name));
        figure->setAccessibleDescription(qText(explanation(row.explained)));
        explainOnClick(*figure, row.explained);
        offerDetails(*figure, *this);
        figures_[i] = {figure, findChild<QLabel*>(qText(row.heading))->text()};
    }
}

void MainWindow::explainOnClick(QWidget& widget, Explained which) {
    onClick(widget, [this, which] {
        model_.explain(which);
        showModel();
    });
}

void MainWindow::addCommands() {
    // Ctrl+Q, the desktop's quit shortcut. Escape is left to the open lists
    // and the make-up: closing Kolva with it would throw every choice away by
    // a slip.
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this, &QWidget::close);
    // Ctrl+F1, the desktop's key for a tool tip, shows how the estimate is made.
    auto* makeUp = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1), this);
    connect(makeUp, &QShortcut::activated, this, [this] { showMakeUp(nullptr); });

    // The figures' menu; their keys work anywhere in the window. An open list
    // takes the keyboard, so they never act from there.
    copy_ = new QAction(tr("Copy Estimate"), this);
    copy_->setShortcut(QKeySequence::Copy);
    connect(copy_, &QAction::triggered, this, &MainWindow::copyEstimate);
    paste_ = new QAction(tr("Paste Machine"), this);
    paste_->setShortcut(QKeySequence::Paste);
    connect(paste_, &QAction::triggered, this, &MainWindow::pasteMachine);
    startAgain_ = new QAction(tr("Start Again"), this);
    startAgain_->setShortcut(QKeySequence::New);
    connect(startAgain_, &QAction::triggered, this, &MainWindow::startAgain);
    for (QAction* command : {copy_, paste_, startAgain_}) {
        command->setShortcutVisibleInContextMenu(true);
        addAction(command);
    }
}

QList<QAction*> MainWindow::figureCommands() const {
    return {copy_, paste_, startAgain_};
}

void MainWindow::showMakeUp(QWidget* figure) {
    // Made when first asked for: most sessions never show it, and every
    // start would pay for its text editor.
    if (makeUp_ == nullptr) {
        makeUp_ = new MakeUpPanel(*this, toPixels(kMakeUpArea));
    }
    if (figure != nullptr) {
        makeUp_->showForPointer(*figure, model_.makeUp());
    } else {
        makeUp_->showForKeyboard(model_.makeUp());
    }
}

void MainWindow::copyEstimate() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(machineText(model_)));
    const QString done = tr("Estimate copied");
    help_->setText(done);
    announce(*help_, done);
}

void MainWindow::pasteMachine() {
    const auto read = readMachine(QGuiApplication::clipboard()->text().toStdString());
    if (const auto* reason = std::get_if<std::string>(&read)) {
        const QString why = QString::fromStdString(*reason);
        help_->setText(why);
        announce(*help_, why);
        return;
    }
    dismissMakeUp();
    model_.apply(std::get<Machine>(read));
    showModel();
    announce(*help_, tr("Machine pasted"));
}

void MainWindow::dismissMakeUp() {
    if (makeUp_ != nullptr) {
        makeUp_->dismiss();
    }
}

void MainWindow::startAgain() {
    dismissMakeUp();
    model_.startAgain();
    showModel();
    list(List::ProcessorModel)->setFocus(Qt::OtherFocusReason);
    announce(*help_, tr("Started again"));
}

void MainWindow::setFocusOrder() {
    QWidget* previous = nullptr;
    for (const Control& control : readingOrder()) {
        QWidget* current = std::holds_alternative<List>(control)
                               ? static_cast<QWidget*>(list(std::get<List>(control)))
                               : checkBox(std::get<Box>(control));
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
    // A label without an accessible name of its own tells screen readers of
    // each new text as its new name.
    help_->setText(QString::fromStdString(model_.help()));
    for (std::size_t i = 0; i < figures_.size(); ++i) {
        showFigure(*figures_[i].label, figures_[i].heading, model_.estimate().*kFigures[i].value);
    }
    announcer_->show(reading(0));
    for (std::size_t i = 0; i < kListCount; ++i) {
        const ListState& state = model_.listState(static_cast<List>(i));
        QComboBox* combo = lists_[i];
        if (combo->currentIndex() != state.entry) {
            combo->setCurrentIndex(state.entry);
        }
        combo->setEnabled(state.enabled);
    }
    // Only starting again and pasting change a box from here: the model has
    // already handled the change, so the box does not tell it again.
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        if (const bool checked = model_.isChecked(static_cast<Box>(i));
            boxes_[i]->isChecked() != checked) {
            const QSignalBlocker quiet(boxes_[i]);
            boxes_[i]->setChecked(checked);
        }
    }
    // The make-up is worked out only while it shows, so a pick costs no more.
    if (makeUp_ != nullptr && makeUp_->isVisible()) {
        makeUp_->refill(model_.makeUp());
    }
}

}  // namespace kolva::ui
