#include "look.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>

#include <array>

#include "keyed_table.hpp"
#include "kolva_style.hpp"

namespace kolva::ui {

namespace {

// 8.25 pt, 9.75 pt and 15.75 pt at 96 dots per inch.
constexpr int kSmallPixels = 11;
constexpr int kResultPixels = 13;
constexpr int kFigurePixels = 21;
constexpr int kListStretch = 90;

// The first installed family of `candidates`. Naming one installed family
// spares the font matcher a slow search for substitutes of a missing one; the
// installed families are read from the list rather than asked for by name,
// which would ask fontconfig for aliases too.
QString installedFamily(std::initializer_list<const char*> candidates) {
    const QStringList installed = QFontDatabase::families();
    for (const char* candidate : candidates) {
        QString family = QString::fromLatin1(candidate);
        if (installed.contains(family, Qt::CaseInsensitive)) {
            return family;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont makeFont(const QString& family, int pixels, bool bold) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    // Set explicitly, so a widget's font never inherits the lists' stretch.
    font.setStretch(QFont::Unstretched);
    return font;
}

const QString& sansSerif() {
    static const QString family = installedFamily({"MS Sans Serif", "Liberation Sans", "Arial"});
    return family;
}

const QString& arial() {
    static const QString family = installedFamily({"Arial", "Liberation Sans"});
    return family;
}

// How a label of each style looks. A label without a background colour is
// transparent; a boxed one has a thin border.
struct LabelLook {
    LabelStyle style{};
    QFont (*font)() = nullptr;
    QColor text;
    Qt::Alignment alignment;
    QColor background;
    bool boxed = false;
};

constexpr auto kLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr auto kCentred = Qt::AlignHCenter | Qt::AlignTop;
constexpr auto kRight = Qt::AlignRight | Qt::AlignTop;
constexpr auto kFigure = Qt::AlignRight | Qt::AlignVCenter;

constexpr auto kLabelLooks = std::to_array<LabelLook>({
    {LabelStyle::Field, boldFont, colour::kLavender, kLeft, {}, false},
    {LabelStyle::OpaqueField, boldFont, colour::kLavender, kLeft, colour::kBlack, false},
    {LabelStyle::Times, defaultFont, colour::kWhite, kCentred, {}, false},
    {LabelStyle::Heading, resultFont, colour::kWhite, kLeft, {}, false},
    {LabelStyle::Unit, resultFont, colour::kLavender, kRight, {}, false},
    {LabelStyle::Note, defaultFont, colour::kWhite, kLeft, {}, false},
    {LabelStyle::Credits, defaultFont, colour::kCredits, kCentred, {}, false},
    {LabelStyle::Help, defaultFont, colour::kLavender, Qt::AlignCenter, colour::kNavy, true},
    {LabelStyle::Stock, figureFont, colour::kStock, kFigure, {}, false},
    {LabelStyle::Mild, figureFont, colour::kMild, kFigure, colour::kBlack, false},
    {LabelStyle::Heavy, figureFont, colour::kHeavy, kFigure, colour::kBlack, false},
});
static_assert(inKeyOrder(kLabelLooks, &LabelLook::style));

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

QFont listFont() {
    QFont font = defaultFont();
    font.setStretch(kListStretch);
    return font;
}

void prepareApplication() {
    // One style everywhere, so the window looks the same on every desktop.
    QApplication::setStyle(new KolvaStyle);
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
    const LabelLook& look = kLabelLooks[static_cast<std::size_t>(style)];
    label.setFont(look.font());
    label.setAlignment(look.alignment);
    setColours(label, look.text, look.background.isValid() ? look.background : colour::kBlack);
    label.setAutoFillBackground(look.background.isValid());
    if (look.boxed) {
        label.setFrameStyle(QFrame::Box | QFrame::Plain);
    }
}

QPalette navyPalette(QPalette palette) {
    for (const auto role : {QPalette::Button, QPalette::Base, QPalette::Window}) {
        palette.setColor(role, colour::kNavy);
    }
    for (const auto role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText}) {
        palette.setColor(role, colour::kLavender);
        palette.setColor(QPalette::Disabled, role, colour::kLavender.darker(200));
    }
    return palette;
}

void styleList(QComboBox& list) {
    list.setPalette(navyPalette(list.palette()));
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

void styleMenu(QMenu& menu) {
    QPalette palette = navyPalette(menu.palette());
    palette.setColor(QPalette::Highlight, colour::kLavender);
    palette.setColor(QPalette::HighlightedText, colour::kNavy);
    menu.setPalette(palette);
    menu.setFont(defaultFont());
}

}  // namespace kolva::ui
