#pragma once

#include <QProxyStyle>

namespace kolva::ui {

// Fusion, with the slimmer drop-down button of the classic desktop so that
// the narrow lists show their whole entry ("Select From Below" in 99 pixels).
class KolvaStyle final : public QProxyStyle {
    Q_OBJECT

public:
    KolvaStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
};

}  // namespace kolva::ui
