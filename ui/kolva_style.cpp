#include "kolva_style.hpp"

#include <QCheckBox>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOptionComplex>

#include "colours.hpp"

namespace kolva::ui {

namespace {

constexpr int kArrowWidth = 12;
constexpr int kTextIndent = 1;
// Half the width and the height of the drop-down arrow.
constexpr qreal kArrowHalfWidth = 3.5;
constexpr qreal kArrowHeight = 4;
// The border of a list without the focus: the text colour, faintly.
constexpr qreal kQuietBorder = 0.35;

// How far a menu's separator stays from the menu's sides.
constexpr int kSeparatorIndent = 4;

// The focus ring's width, in the window's pixels.
constexpr int kFocusRingWidth = 2;

// `amount` of `over` on `under`, as one opaque colour: a translucent pen
// would make every repaint of a list several times slower.
QColor mix(QColor over, QColor under, qreal amount) {
    const auto channel = [amount](int top, int bottom) {
        return qRound(bottom + (top - bottom) * amount);
    };
    return {channel(over.red(), under.red()), channel(over.green(), under.green()),
            channel(over.blue(), under.blue())};
}

// Focus shown only once the keyboard has moved it, as browsers do for
// :focus-visible: a click leaves the window as it looks without focus.
bool showsKeyboardFocus(const QStyleOption& option) {
    return option.state.testFlag(QStyle::State_HasFocus) &&
           option.state.testFlag(QStyle::State_KeyboardFocusChange);
}

// A ring along the inside of `edge`, in whole pixels at every scale.
void drawFocusRing(QPainter& painter, const QRect& edge) {
    const int w = kFocusRingWidth;
    for (const QRect& side : {QRect(edge.left(), edge.top(), edge.width(), w),
                              QRect(edge.left(), edge.bottom() - w + 1, edge.width(), w),
                              QRect(edge.left(), edge.top(), w, edge.height()),
                              QRect(edge.right() - w + 1, edge.top(), w, edge.height())}) {
        painter.fillRect(side, colour::kFocus);
    }
}

}  // namespace

KolvaStyle::KolvaStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QRect KolvaStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                 SubControl subControl, const QWidget* widget) const {
    if (control != CC_ComboBox) {
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
    const QRect frame = option->rect;
    QRect part;
    switch (subControl) {
        case SC_ComboBoxArrow:
            part = QRect(frame.right() - kArrowWidth, frame.top() + 1, kArrowWidth,
                         frame.height() - 2);
            break;
        case SC_ComboBoxEditField:
            part = QRect(frame.left() + kTextIndent, frame.top() + 1,
                         frame.width() - kArrowWidth - kTextIndent - 1, frame.height() - 2);
            break;
        default:
            return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
    return visualRect(option->direction, frame, part);
}

void KolvaStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (control != CC_ComboBox) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The closed list, flat in its own colours: the field, a thin border that
    // lights up with the keyboard focus, and the drop-down arrow. A disabled
    // list's palette dims the arrow and the text.
    const QPalette& palette = option->palette;
    const bool focused = option->state.testFlag(State_HasFocus);
    painter->save();
    painter->fillRect(option->rect, palette.color(QPalette::Button));
    const QColor text = palette.color(QPalette::ButtonText);
    painter->setPen(focused ? text : mix(text, palette.color(QPalette::Button), kQuietBorder));
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));

    const QRectF arrow = subControlRect(CC_ComboBox, option, SC_ComboBoxArrow, widget);
    const QPointF tip(arrow.center().x(), arrow.center().y() + kArrowHeight / 2);
    QPainterPath triangle(tip);
    triangle.lineTo(tip + QPointF(-kArrowHalfWidth, -kArrowHeight));
    triangle.lineTo(tip + QPointF(kArrowHalfWidth, -kArrowHeight));
    triangle.closeSubpath();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillPath(triangle, palette.color(QPalette::ButtonText));
    painter->restore();
    if (showsKeyboardFocus(*option)) {
        drawFocusRing(*painter, option->rect);
    }
}

void KolvaStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuItem && item != nullptr &&
        item->menuItemType == QStyleOptionMenuItem::Separator) {
        const QRect rect = option->rect;
        painter->fillRect(rect, option->palette.window());
        painter->fillRect(QRect(rect.left() + kSeparatorIndent, rect.center().y(),
                                rect.width() - 2 * kSeparatorIndent, 1),
                          mix(option->palette.color(QPalette::WindowText),
                              option->palette.color(QPalette::Window), kQuietBorder));
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void KolvaStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    // A menu in its own colours, flat, with a border in its text colour.
    if (element == PE_PanelMenu || element == PE_FrameMenu) {
        painter->save();
        if (element == PE_PanelMenu) {
            painter->fillRect(option->rect, option->palette.window());
        }
        painter->setPen(option->palette.color(QPalette::WindowText));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    // A check box's focus rings the whole box, its square and caption alike.
    if (element == PE_FrameFocusRect && qobject_cast<const QCheckBox*>(widget) != nullptr) {
        if (showsKeyboardFocus(*option)) {
            drawFocusRing(*painter, widget->rect());
        }
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int KolvaStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returnData) const {
    // Lists open below themselves; a menu's unavailable commands are dimmed,
    // not etched.
    if (hint == SH_ComboBox_Popup ||
        (hint == SH_EtchDisabledText && qobject_cast<const QMenu*>(widget) != nullptr)) {
        return 0;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace kolva::ui
