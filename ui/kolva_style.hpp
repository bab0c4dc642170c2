#pragma once

#include <QProxyStyle>

namespace kolva::ui {

// Fusion, with touches of Kolva's own for the lists: drawn flat in their own
// colours when closed, with a slim drop-down button so that the narrow lists
// show their whole entry ("Select From Below" in 99 pixels), and opening below
// themselves rather than as a menu over them. Once the keyboard moves the
// focus, the focused list or check box wears a bright ring along its edge.
// A menu has a thin border and separators in its text colour, plainly drawn.
class KolvaStyle final : public QProxyStyle {
    Q_OBJECT

public:
    KolvaStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};

}  // namespace kolva::ui
