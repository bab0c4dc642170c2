#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>

#include "look.hpp"
#include "main_window.hpp"

using kolva::Box;
using kolva::List;
using kolva::ui::MainWindow;

namespace {

// The window's colour table, written out apart from the window's own.
constexpr QColor kBlack{0x00, 0x00, 0x00};
constexpr QColor kWhite{0xFF, 0xFF, 0xFF};
constexpr QColor kLavender{0xC0, 0xC0, 0xFF};
constexpr QColor kNavy{0x00, 0x00, 0x40};
constexpr QColor kStock{0xC0, 0xFF, 0xC0};
constexpr QColor kMild{0xFF, 0xFF, 0xC0};
constexpr QColor kHeavy{0xFF, 0xE0, 0xC0};
constexpr QColor kCredits{0xE0, 0xE0, 0xE0};

// Where a colour belongs: filling most of a control's inside, or drawing its
// text (exact pixels where the glyphs are solid, whatever the edges blend).
enum class Part { Background, Text };

struct ColourRow {
    const char* control = nullptr;
    Part part = Part::Background;
    QColor colour;
    // The "X" is all diagonals: at scale 1 no pixel of it is solid.
    qreal fromScale = 1;
};

const ColourRow kColourTable[] = {
    // #000000: the panel, the component frames and the result frame, the
    // check boxes, the overclock figures' ground and the Firewire devices caption.
    {"Frame16", Part::Background, kBlack},
    {"Frame5", Part::Background, kBlack},
    {"Frame7", Part::Background, kBlack},
    {"Frame6", Part::Background, kBlack},
    {"Frame1", Part::Background, kBlack},
    {"Frame10", Part::Background, kBlack},
    {"Frame8", Part::Background, kBlack},
    {"Frame12", Part::Background, kBlack},
    {"Frame13", Part::Background, kBlack},
    {"Frame3", Part::Background, kBlack},
    {"Frame4", Part::Background, kBlack},
    {"Frame2", Part::Background, kBlack},
    {"Check1", Part::Background, kBlack},
    {"Check2", Part::Background, kBlack},
    {"Check3", Part::Background, kBlack},
    {"Check4", Part::Background, kBlack},
    {"Check5", Part::Background, kBlack},
    {"Check6", Part::Background, kBlack},
    {"Check7", Part::Background, kBlack},
    {"Check8", Part::Background, kBlack},
    {"Check9", Part::Background, kBlack},
    {"Text31", Part::Background, kBlack},
    {"Text32", Part::Background, kBlack},
    {"Label21", Part::Background, kBlack},
    // #FFFFFF: frame captions, the "X" labels, the result headings, the note.
    {"Frame5", Part::Text, kWhite},
    {"Frame7", Part::Text, kWhite},
    {"Frame6", Part::Text, kWhite},
    {"Frame1", Part::Text, kWhite},
    {"Frame10", Part::Text, kWhite},
    {"Frame8", Part::Text, kWhite},
    {"Frame12", Part::Text, kWhite},
    {"Frame13", Part::Text, kWhite},
    {"Frame3", Part::Text, kWhite},
    {"Frame4", Part::Text, kWhite},
    {"Label13", Part::Text, kWhite, 2},
    {"Label14", Part::Text, kWhite, 2},
    {"Label15", Part::Text, kWhite, 2},
    {"Label8889", Part::Text, kWhite},
    {"Label9", Part::Text, kWhite},
    {"Label5", Part::Text, kWhite},
    {"Label824", Part::Text, kWhite},
    // #C0C0FF: check box captions, field labels, "Watts", the help line.
    {"Check1", Part::Text, kLavender},
    {"Check2", Part::Text, kLavender},
    {"Check3", Part::Text, kLavender},
    {"Check4", Part::Text, kLavender},
    {"Check5", Part::Text, kLavender},
    {"Check6", Part::Text, kLavender},
    {"Check7", Part::Text, kLavender},
    {"Check8", Part::Text, kLavender},
    {"Check9", Part::Text, kLavender},
    {"Label18", Part::Text, kLavender},
    {"Label20", Part::Text, kLavender},
    {"Label21", Part::Text, kLavender},
    {"Label3", Part::Text, kLavender},
    {"Label2", Part::Text, kLavender},
    {"Label11", Part::Text, kLavender},
    {"Label12", Part::Text, kLavender},
    {"Label17", Part::Text, kLavender},
    {"Label10", Part::Text, kLavender},
    {"Label6", Part::Text, kLavender},
    {"Label7", Part::Text, kLavender},
    {"Label565", Part::Text, kLavender},
    {"help", Part::Text, kLavender},
    // #000040: the help line's ground (the lists' is checked list by list).
    {"help", Part::Background, kNavy},
    // The figures and the credits line.
    {"Label4", Part::Text, kStock},
    {"Text31", Part::Text, kMild},
    {"Text32", Part::Text, kHeavy},
    {"Label1", Part::Text, kCredits},
};

QString hex(QColor colour) {
    return colour.name(QColor::HexRgb).toUpper();
}

// A rendering of the window and where its controls lie in it, in pixels of
// the screen, which are finer than the layout's at a scale above 1.
class Rendering {
public:
    explicit Rendering(MainWindow& window)
        : window_(window), image_(window.grab().toImage()), ratio_(window.devicePixelRatioF()) {}

    // The area of `control` in the image, without `inset` logical pixels
    // around it, where borders and focus marks lie.
    QRect areaOf(const QWidget& control, int inset) const {
        const QRect logical(control.mapTo(&window_, QPoint(0, 0)), control.size());
        const QRectF inner = QRectF(logical).adjusted(inset, inset, -inset, -inset);
        return QRectF(inner.topLeft() * ratio_, inner.size() * ratio_).toAlignedRect();
    }

    QColor mostCommonColour(const QRegion& area) const {
        std::map<QRgb, int> counts;
        for (const QRect& rect : area) {
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    ++counts[image_.pixel(x, y) | 0xFF000000U];
                }
            }
        }
        const auto most = std::max_element(counts.begin(), counts.end(),
                                           [](auto a, auto b) { return a.second < b.second; });
        return QColor::fromRgb(most->first);
    }

    int pixelsOf(QColor colour, const QRect& area) const {
        int found = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                found += QColor::fromRgb(image_.pixel(x, y)) == colour ? 1 : 0;
            }
        }
        return found;
    }

    qreal ratio() const { return ratio_; }

private:
    const MainWindow& window_;
    QImage image_;
    qreal ratio_;
};

// A frame's caption lies in its top band, above the border that runs through
// its middle; the frame's inside lies below that band.
constexpr int kCaptionBand = 6;
constexpr int kFrameInset = 3;
constexpr int kCaptionHeight = 14;

// A control's own surface: its inside without what its children cover.
QRegion backgroundArea(const Rendering& rendering, const QWidget& control) {
    QRect inside = rendering.areaOf(control, control.inherits("QGroupBox") ? kFrameInset : 2);
    if (control.inherits("QGroupBox")) {
        inside.setTop(inside.top() + qRound(kCaptionHeight * rendering.ratio()));
    }
    QRegion area(inside);
    // Children that show within the control cover it; a list's popup, a
    // window of its own even while hidden, does not.
    for (const QWidget* child : control.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && !child->isWindow()) {
            area -= rendering.areaOf(*child, 0);
        }
    }
    return area;
}

QRect textArea(const Rendering& rendering, const QWidget& control) {
    QRect area = rendering.areaOf(control, 0);
    if (control.inherits("QGroupBox")) {
        area.setHeight(qRound(kCaptionBand * rendering.ratio()));
    }
    return area;
}

// Checks one colour of the table in one control; an empty text if it is there.
QString verify(const Rendering& rendering, const QWidget& control, Part part, QColor colour) {
    if (part == Part::Background) {
        const QRegion area = backgroundArea(rendering, control);
        if (area.isEmpty()) {
            return QStringLiteral("%1: no background in sight").arg(control.objectName());
        }
        const QColor found = rendering.mostCommonColour(area);
        if (found != colour) {
            return QStringLiteral("%1: background is %2, expected %3")
                .arg(control.objectName(), hex(found), hex(colour));
        }
    } else if (rendering.pixelsOf(colour, textArea(rendering, control)) == 0) {
        return QStringLiteral("%1: no text in %2 (expected; most common colour there: %3)")
            .arg(control.objectName(), hex(colour),
                 hex(rendering.mostCommonColour(textArea(rendering, control))));
    }
    return {};
}

// WCAG's contrast ratio of two colours, from 1 to 21.
qreal contrast(QColor a, QColor b) {
    const auto luminance = [](QColor colour) {
        const auto linear = [](qreal c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const qreal first = luminance(a);
    const qreal second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The focus indicator of the control at `area`: the pixels that change at
// least 3:1 from the unfocused look cover at least a 2-pixel ring's area, and
// across the middle of the top edge the ring is 2 pixels deep and 3:1 against
// the ground just outside. An empty text if it holds.
QString verifyFocusRing(const QImage& unfocused, const QImage& focused, const QRect& area,
                        int thickness) {
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            changed += contrast(focused.pixelColor(x, y), unfocused.pixelColor(x, y)) >= 3 ? 1 : 0;
        }
    }
    const QRect inner = area.adjusted(thickness, thickness, -thickness, -thickness);
    const int ringArea = area.width() * area.height() - inner.width() * inner.height();
    if (changed < ringArea) {
        return QStringLiteral("%1 pixels change 3:1, a %2-pixel ring has %3")
            .arg(changed)
            .arg(thickness)
            .arg(ringArea);
    }
    const QColor outside = focused.pixelColor(area.center().x(), area.top() - 1);
    for (int depth = 0; depth < thickness; ++depth) {
        const QPoint at(area.center().x(), area.top() + depth);
        const QColor ring = focused.pixelColor(at);
        if (contrast(ring, unfocused.pixelColor(at)) < 3 || contrast(ring, outside) < 3) {
            return QStringLiteral(
                       "%1 pixels deep at the top, %2 there is %3:1 against %4 "
                       "unfocused and %5:1 against %6 outside")
                .arg(depth)
                .arg(hex(ring))
                .arg(contrast(ring, unfocused.pixelColor(at)), 0, 'f', 1)
                .arg(hex(unfocused.pixelColor(at)))
                .arg(contrast(ring, outside), 0, 'f', 1)
                .arg(hex(outside));
        }
    }
    return {};
}

}  // namespace

// Run once per screen scale (QT_SCALE_FACTOR): every colour of the window's
// colour table is where it belongs in a rendering of the window.
class ColourTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kolva::ui::prepareApplication(); }

    void everyColourIsWhereItBelongs() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Figures of more than one digit, so each has solid strokes to find.
        QTest::mouseClick(window.checkBox(Box::ScsiCard), Qt::LeftButton);
        QTest::mouseClick(window.checkBox(Box::WaterPump), Qt::LeftButton);
        const Rendering rendering(window);

        QStringList wrong;
        for (const ColourRow& row : kColourTable) {
            if (rendering.ratio() < row.fromScale) {
                continue;
            }
            const auto* control = window.findChild<QWidget*>(QString::fromLatin1(row.control));
            QVERIFY2(control != nullptr, row.control);
            if (const QString fault = verify(rendering, *control, row.part, row.colour);
                !fault.isEmpty()) {
                wrong.append(fault);
            }
        }
        for (const QComboBox* list : window.findChildren<QComboBox*>()) {
            for (const QString& fault :
                 {verify(rendering, *list, Part::Background, kNavy),
                  list->isEnabled() ? verify(rendering, *list, Part::Text, kLavender)
                                    : QString()}) {
                if (!fault.isEmpty()) {
                    wrong.append(fault);
                }
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("\n"))));
    }

    // Once a key acts on the focused control or moves the focus, the focused
    // list or check box wears a ring 2 pixels thick, plain against its
    // unfocused look and its ground.
    void keyboardFocusIsPlainToSee() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), window.list(List::ProcessorModel));
        const qreal ratio = window.devicePixelRatioF();
        // The first key at start, Up on the first entry, changes nothing else.
        window.list(List::HardDrives)->setFocus();
        const QImage elsewhere = window.grab().toImage();
        window.list(List::ProcessorModel)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        const QString atStart = verifyFocusRing(
            elsewhere, window.grab().toImage(),
            Rendering(window).areaOf(*window.list(List::ProcessorModel), 0), qRound(2 * ratio));
        QVERIFY2(atStart.isEmpty(), qPrintable(QLatin1String("after Up at start: ") + atStart));

        const QImage unfocused = window.grab().toImage();
        for (QWidget* control : std::initializer_list<QWidget*>{window.list(List::ProcessorCount),
                                                                window.checkBox(Box::WaterPump)}) {
            while (QApplication::focusWidget() != control) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            const Rendering focused(window);
            const QString fault = verifyFocusRing(unfocused, window.grab().toImage(),
                                                  focused.areaOf(*control, 0), qRound(2 * ratio));
            QVERIFY2(fault.isEmpty(),
                     qPrintable(control->objectName() + QLatin1String(" ") + fault));
        }
    }

    // The menu is the window's own: navy, its commands in lavender, the one
    // chosen in reverse, and no lighter than the lists around it.
    void theMenuWearsTheWindowsColours() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QWidget& menu = *QApplication::activePopupWidget();
        QTest::keyClick(&menu, Qt::Key_Down);
        const QImage image = menu.grab().toImage();
        std::map<QRgb, int> counts;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                ++counts[image.pixel(x, y) | 0xFF000000U];
            }
        }
        const auto share = [&](QColor colour) {
            return 100 * counts[colour.rgb()] / (image.width() * image.height());
        };
        const auto most = std::max_element(counts.begin(), counts.end(),
                                           [](auto a, auto b) { return a.second < b.second; });
        QVERIFY2(share(kNavy) > 50, qPrintable(QStringLiteral("%1 % navy; most is %2")
                                                   .arg(share(kNavy))
                                                   .arg(hex(QColor::fromRgb(most->first)))));
        QVERIFY2(share(kLavender) > 3,
                 qPrintable(QStringLiteral("%1 % lavender").arg(share(kLavender))));
        QTest::keyClick(&menu, Qt::Key_Escape);
    }

    // Vertical one-pixel lines: one divides the pump from the TEC, two divide
    // the figures. Each is white along its whole length.
    void linesAreWhite() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const Rendering rendering(window);
        const struct {
            const char* frame;
            int x;
            int top;
            int bottom;
        } lines[] = {{"Frame1", 96, 8, 52}, {"Frame2", 130, 8, 56}, {"Frame2", 260, 8, 56}};
        for (const auto& line : lines) {
            const auto* frame = window.findChild<QWidget*>(QString::fromLatin1(line.frame));
            const QRect all = rendering.areaOf(*frame, 0);
            const int x = all.left() + qRound(line.x * rendering.ratio());
            const QRect column(x, all.top() + qRound(line.top * rendering.ratio()), 1,
                               qRound((line.bottom - line.top) * rendering.ratio()));
            QVERIFY2(rendering.pixelsOf(kWhite, column) == column.height(),
                     qPrintable(QStringLiteral("the line at x %1 in %2 is %3, expected %4")
                                    .arg(line.x)
                                    .arg(QLatin1String(line.frame))
                                    .arg(hex(rendering.mostCommonColour(column)))
                                    .arg(hex(kWhite))));
        }
    }

    // Below the background picture, the bottom pixel row shows the window's
    // own black.
    void bottomRowIsTheWindowsBlack() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage image = window.grab().toImage();
        const int y = image.height() - 1;
        for (int x = 0; x < image.width(); ++x) {
            QVERIFY2(image.pixelColor(x, y) == kBlack, qPrintable(QString::number(x)));
        }
    }
};

QTEST_MAIN(ColourTest)
#include "colour_test.moc"
