#include "window_controls.hpp"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>

#include "artwork.hpp"
#include "frame_box.hpp"
#include "help_line.hpp"
#include "look.hpp"
#include "picture.hpp"
#include "quit_button.hpp"
#include "text.hpp"

namespace kolva::ui {

namespace {

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
            const auto mark = [this] { markShownEntry(); };
            QMetaObject::invokeMethod(this, mark, Qt::QueuedConnection);
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

// A frame's caption: its text, or the name of the part it holds.
QString frameCaption(const Caption& caption) {
    if (const NameOf* part = std::get_if<NameOf>(&caption)) {
        return qText(ruleFor(part->list).name);
    }
    return qText(std::get<std::string_view>(caption));
}

// A label's text: its own, or the name of the part its list chooses, with a colon.
QString labelText(const Caption& text) {
    if (std::holds_alternative<NameOf>(text)) {
        return QObject::tr("%1:").arg(frameCaption(text));
    }
    return frameCaption(text);
}

// Builds the controls, each into the frame its row names.
class Builder {
public:
    explicit Builder(QWidget& window) {
        frames_[static_cast<std::size_t>(Frame::Window)] = &window;
    }

    WindowControls build() {
        buildPictures();
        for (const LabelRow& row : kWindowLabels) {
            placeLabel(row);
        }
        buildFrames();
        for (const LabelRow& row : kFrameLabels) {
            placeLabel(row);
        }
        for (const ListRow& row : kLists) {
            buildList(row);
        }
        for (const CheckRow& row : kCheckBoxes) {
            buildCheckBox(row);
        }
        setFocusOrder();
        controls_.figuresFrame = frame(Frame::Figures);
        return controls_;
    }

private:
    QWidget* frame(Frame which) const { return frames_[static_cast<std::size_t>(which)]; }

    void buildPictures() {
        QWidget* window = frame(Frame::Window);
        auto* background = new Picture(paintBackground, window);
        background->setObjectName(qText(kBackgroundPicture.name));
        background->setGeometry(toPixels(kBackgroundPicture.at));
        background->setAccessibleName(QObject::tr("Drag to move"));
        background->setAccessibleDescription(
            QObject::tr("Press on the background and move to move the window"));
        controls_.background = background;

        auto* quit = new QuitButton(window);
        quit->setObjectName(qText(kQuitPicture.name));
        quit->setGeometry(toPixels(kQuitPicture.at));
        quit->setAccessibleName(QObject::tr("Quit"));
        quit->setAccessibleDescription(QObject::tr("Closes Kolva (Ctrl+Q)"));
        controls_.quit = quit;
    }

    void buildFrames() {
        for (const FrameRow& row : kFrames) {
            auto* box = new FrameBox(frameCaption(row.caption), row.bordered, frame(row.parent));
            box->setObjectName(qText(row.name));
            box->setGeometry(toPixels(row.at));
            box->setFont(listFont());
            frames_[static_cast<std::size_t>(row.frame)] = box;
        }
        for (const LineRow& line : kLines) {
            static_cast<FrameBox*>(frame(line.parent))
                ->addLine(toPixels(line.x), toPixels(line.top), toPixels(line.bottom));
        }
    }

    void placeLabel(const LabelRow& row) {
        QLabel* label = std::holds_alternative<HelpLineRole>(row.role)
                            ? new HelpLine(frame(row.parent))
                            : new QLabel(frame(row.parent));
        label->setObjectName(qText(row.name));
        label->setText(labelText(row.text));
        label->setGeometry(toPixels(row.at));
        styleLabel(*label, row.style);
        if (std::holds_alternative<HelpLineRole>(row.role)) {
            controls_.helpLine = static_cast<HelpLine*>(label);
        } else if (const List* list = std::get_if<List>(&row.role)) {
            controls_.captions[indexOf(*list)] = label;
        } else if (const Figure* figure = std::get_if<Figure>(&row.role)) {
            controls_.figures[static_cast<std::size_t>(*figure)] = label;
        }
    }

    void buildList(const ListRow& row) {
        auto* combo = new QComboBox(frame(row.parent));
        new PopupFollowsList(*combo);
        combo->setObjectName(qText(row.name));
        combo->setGeometry(toPixels(row.at));
        // Screen readers read the chosen entry as the list's name, and what
        // the list is for from its description. Qt names a list whose entry
        // is blank by this name instead; without it the list would take its
        // frame's caption, which sounds like an entry.
        combo->setAccessibleDescription(qText(ruleFor(row.list).purpose));
        combo->setAccessibleName(QObject::tr("blank"));
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
        // The caption beside a list is its label. Before Qt 6.5 a list offers
        // its entry to readers only as its name, which a label takes the place
        // of, so there the description alone says what the list is for.
        if (QLabel* caption = controls_.captions[indexOf(row.list)]) {
            caption->setBuddy(combo);
        }
#endif
        styleList(*combo);
        QStringList entries;
        for (const std::string& entry : entriesOf(row.list)) {
            entries.append(QString::fromStdString(entry));
        }
        combo->addItems(entries);
        combo->setCurrentIndex(-1);
        controls_.lists[indexOf(row.list)] = combo;
    }

    void buildCheckBox(const CheckRow& row) {
        const BoxRule& rule = ruleFor(row.box);
        auto* box = new QCheckBox(qText(rule.caption), frame(row.parent));
        box->setObjectName(qText(row.name));
        box->setAccessibleDescription(qText(rule.help));
        box->setGeometry(toPixels(row.at));
        styleCheckBox(*box);
        controls_.boxes[indexOf(row.box)] = box;
    }

    // Tab moves through the lists and boxes in the window's reading order.
    void setFocusOrder() {
        QWidget* previous = nullptr;
        for (const Control& control : readingOrder()) {
            QWidget* current = std::holds_alternative<List>(control)
                                   ? static_cast<QWidget*>(controls_.list(std::get<List>(control)))
                                   : controls_.box(std::get<Box>(control));
            current->setFocusPolicy(Qt::StrongFocus);
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, current);
            }
            previous = current;
        }
    }

    std::array<QWidget*, kFrameCount + 1> frames_{};
    WindowControls controls_;
};

}  // namespace

WindowControls buildControls(QWidget& window) {
    return Builder(window).build();
}

}  // namespace kolva::ui
