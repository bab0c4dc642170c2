#include "kolva_style.hpp"

#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace kolva::ui {

namespace {

constexpr int kArrowWidth = 12;
constexpr int kTextIndent = 1;

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

int KolvaStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returnData) const {
    if (hint == SH_ComboBox_Popup) {
        return 0;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace kolva::ui
