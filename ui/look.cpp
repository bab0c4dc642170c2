#include "look.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <array>

#include "kolva_style.hpp"
#include "list_box.hpp"

namespace kolva::ui {

namespace {

// 8.25 pt, 9.75 pt and 15.75 pt at 96 dots per inch.
constexpr int kSmallPixels = 11;
constexpr int kResultPixels = 13;
constexpr int kFigurePixels = 21;
constexpr int kListStretch = 90;

QFont makeFont(const QStringList& families, int pixels, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QStringList sansSerif() {
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
            QStringLiteral("Arial")};
}

QStringList arial() {
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
}

struct LabelLook {
    QFont (*font)() = nullptr;
    QColor text;
    Qt::Alignment alignment;
};

const std::array<LabelLook, 9>& labelLooks() {
    // One row per LabelStyle, in its order.
    static const std::array<LabelLook, 9> looks = {{
        {boldFont, colour::kLavender, Qt::AlignLeft | Qt::AlignTop},       // Field
        {boldFont, colour::kLavender, Qt::AlignLeft | Qt::AlignTop},       // OpaqueField
        {defaultFont, colour::kWhite, Qt::AlignHCenter | Qt::AlignTop},    // Times
        {resultFont, colour::kWhite, Qt::AlignLeft | Qt::AlignTop},        // Heading
        {resultFont, colour::kLavender, Qt::AlignRight | Qt::AlignTop},    // Unit
        {defaultFont, colour::kWhite, Qt::AlignLeft | Qt::AlignTop},       // Note
        {defaultFont, colour::kCredits, Qt::AlignHCenter | Qt::AlignTop},  // Credits
        {defaultFont, colour::kLavender, Qt::AlignCenter},                 // Help
        {figureFont, colour::kStock, Qt::AlignRight | Qt::AlignVCenter},   // Stock
    }};
    return looks;
}

void setColours(QWidget& widget, QColor text, QColor background) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    widget.setPalette(palette);
}

}  // namespace

QFont defaultFont() {
    return makeFont(sansSerif(), kSmallPixels, false);
}
QFont boldFont() {
    return makeFont(sansSerif(), kSmallPixels, true);
}
QFont resultFont() {
    return makeFont(sansSerif(), kResultPixels, true);
}
QFont figureFont() {
    return makeFont(arial(), kFigurePixels, false);
}

void prepareApplication() {
    QApplication::setApplicationName(QStringLiteral("kolva"));
    // Ties the window to the installed desktop entry (Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kolva.Kolva"));
    // One style everywhere, so the window looks the same on every desktop.
    QApplication::setStyle(new KolvaStyle);
    installListBoxAccessibility();
}

QPalette windowPalette() {
    QPalette palette;
    palette.setColor(QPalette::Window, colour::kBlack);
    palette.setColor(QPalette::WindowText, colour::kWhite);
    palette.setColor(QPalette::Base, colour::kBlack);
    palette.setColor(QPalette::Text, colour::kWhite);
    return palette;
}

void styleLabel(QLabel& label, LabelStyle style) {
    const LabelLook& look = labelLooks()[static_cast<std::size_t>(style)];
    label.setFont(look.font());
    label.setAlignment(look.alignment);
    switch (style) {
        case LabelStyle::OpaqueField:
            setColours(label, look.text, colour::kBlack);
            label.setAutoFillBackground(true);
            break;
        case LabelStyle::Help:
            setColours(label, look.text, colour::kNavy);
            label.setAutoFillBackground(true);
            label.setFrameStyle(QFrame::Box | QFrame::Plain);
            break;
        default:
            setColours(label, look.text, colour::kBlack);
            break;
    }
}

void styleList(QComboBox& list) {
    QPalette palette = list.palette();
    for (const auto role : {QPalette::Button, QPalette::Base, QPalette::Window}) {
        palette.setColor(role, colour::kNavy);
    }
    for (const auto role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText}) {
        palette.setColor(role, colour::kLavender);
        palette.setColor(QPalette::Disabled, role, colour::kLavender.darker(200));
    }
    list.setPalette(palette);
    // Slightly condensed, so "Select From Below" fits the narrow optical lists.
    QFont font = defaultFont();
    font.setStretch(kListStretch);
    list.setFont(font);
    list.setEditable(false);
    list.setMaxVisibleItems(20);
}

void styleCheckBox(QCheckBox& box) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::WindowText, colour::kLavender);
    palette.setColor(QPalette::Window, colour::kBlack);
    palette.setColor(QPalette::Base, colour::kWhite);
    palette.setColor(QPalette::Text, colour::kBlack);
    box.setPalette(palette);
    box.setFont(boldFont());
}

void styleFigureField(QLineEdit& field, QColor text) {
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, colour::kBlack);
    palette.setColor(QPalette::Text, text);
    field.setPalette(palette);
    field.setFont(figureFont());
    field.setFrame(false);
    field.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field.setReadOnly(true);
    field.setTextMargins(0, 0, 0, 0);
}

}  // namespace kolva::ui
