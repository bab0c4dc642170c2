#include "artwork.hpp"

#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "look.hpp"

namespace kolva::ui {

namespace {

constexpr QColor kPlate{0x2A, 0x2D, 0x32};
constexpr QColor kStripeBlue{0x1E, 0x5A, 0xC8};
constexpr QColor kStripeBlack{0x08, 0x08, 0x0C};
constexpr QColor kOrange{0xF0, 0x8A, 0x1C};
constexpr QColor kBoltYellow{0xFF, 0xD8, 0x30};
constexpr QColor kHairline{0x9C, 0xB8, 0xFF};
constexpr int kBannerHeight = 80;
constexpr int kBottomBandHeight = 32;
constexpr int kStripeWidth = 14;
// A fixed seed keeps the texture the same on every start.
constexpr quint32 kTextureSeed = 1407;

// A well-mixed 32-bit hash, so that the grain of any pixel depends only on
// where it is and a part of the plate can be drawn on its own.
quint32 mix(quint32 value) {
    value ^= value >> 16U;
    value *= 0x7FEB352DU;
    value ^= value >> 15U;
    value *= 0x846CA68BU;
    value ^= value >> 16U;
    return value;
}

// Brushed metal for the device pixels of `area`: every row a shade lighter or
// darker than the plate, with a fine grain along it. Written pixel by pixel,
// which is far quicker than stroking the grain.
void drawMetalPlate(QPainter& painter, QRect area) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QRect pixels(QPointF(area.topLeft() * ratio).toPoint(),
                       (QSizeF(area.size()) * ratio).toSize());
    QImage plate(pixels.size(), QImage::Format_RGB32);
    plate.setDevicePixelRatio(ratio);
    const QRgb base = kPlate.rgb();
    for (int row = 0; row < pixels.height(); ++row) {
        const auto y = static_cast<quint32>(pixels.top() + row);
        const int rowShade = static_cast<int>(mix(y ^ kTextureSeed) % 9U) - 4;
        auto* line = reinterpret_cast<QRgb*>(plate.scanLine(row));
        for (int column = 0; column < pixels.width(); ++column) {
            const auto x = static_cast<quint32>(pixels.left() + column);
            const int shade = rowShade + static_cast<int>(mix(x * 0x9E3779B9U + y) >> 30U) - 1;
            line[column] = qRgb(qRed(base) + shade, qGreen(base) + shade, qBlue(base) + shade);
        }
    }
    painter.drawImage(area.topLeft(), plate);
}

void drawStripes(QPainter& painter, QRect band) {
    painter.save();
    painter.setClipRect(band);
    painter.fillRect(band, kStripeBlack);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kStripeBlue);
    for (int x = band.left() - band.height(); x < band.right(); x += 2 * kStripeWidth) {
        const QPolygon stripe({QPoint(x, band.bottom() + 1),
                               QPoint(x + kStripeWidth, band.bottom() + 1),
                               QPoint(x + kStripeWidth + band.height(), band.top()),
                               QPoint(x + band.height(), band.top())});
        painter.drawPolygon(stripe);
    }
    // A darker rim keeps the band apart from the plate.
    painter.setPen(QColor(0, 0, 0, 200));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(band.adjusted(0, 0, -1, -1));
    painter.restore();
}

void drawRadiationEmblem(QPainter& painter, QPointF centre, qreal radius) {
    QRadialGradient glow(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    glow.setColorAt(0, kOrange.lighter(130));
    glow.setColorAt(1, kOrange.darker(120));
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius, radius);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(centre, radius * 0.16, radius * 0.16);
    const QRectF outer(centre.x() - radius * 0.82, centre.y() - radius * 0.82, radius * 1.64,
                       radius * 1.64);
    const QRectF inner(centre.x() - radius * 0.26, centre.y() - radius * 0.26, radius * 0.52,
                       radius * 0.52);
    for (const int start : {60, 180, 300}) {
        QPainterPath blade;
        blade.arcMoveTo(outer, start);
        blade.arcTo(outer, start, 60);
        blade.arcTo(inner, start + 60, -60);
        blade.closeSubpath();
        painter.drawPath(blade);
    }
}

void drawBoltEmblem(QPainter& painter, QPointF centre, qreal radius) {
    QRadialGradient face(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    face.setColorAt(0, QColor(0x3A, 0x6E, 0xD8));
    face.setColorAt(1, QColor(0x0A, 0x1E, 0x50));
    painter.setPen(QPen(kOrange, 3));
    painter.setBrush(face);
    painter.drawEllipse(centre, radius, radius);

    const qreal r = radius;
    const QPolygonF bolt(
        {centre + QPointF(0.15 * r, -0.75 * r), centre + QPointF(-0.40 * r, 0.10 * r),
         centre + QPointF(-0.02 * r, 0.10 * r), centre + QPointF(-0.18 * r, 0.75 * r),
         centre + QPointF(0.42 * r, -0.15 * r), centre + QPointF(0.04 * r, -0.15 * r)});
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(kBoltYellow);
    painter.drawPolygon(bolt);
}

void drawName(QPainter& painter, QPoint baseline) {
    QFont font = figureFont();
    font.setPixelSize(42);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    const QString name = QStringLiteral("Kolva");

    // Slanted by shearing the upright face: one font file fewer to load.
    QPainterPath upright;
    upright.addText(0, 0, font, name);
    const QPainterPath letters =
        QTransform::fromTranslate(baseline.x(), baseline.y()).shear(-0.2, 0).map(upright);
    QLinearGradient chrome(0, baseline.y() - 36, 0, baseline.y());
    chrome.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
    chrome.setColorAt(0.5, QColor(0xB8, 0xC4, 0xD8));
    chrome.setColorAt(0.55, QColor(0x70, 0x80, 0x98));
    chrome.setColorAt(1.0, QColor(0xE0, 0xE8, 0xF0));
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(letters);
    painter.setPen(Qt::NoPen);
    painter.setBrush(chrome);
    painter.drawPath(letters);

    // The poles of a battery above the "o" and the "a".
    const QFontMetrics metrics(font);
    const int capTop = baseline.y() - metrics.capHeight();
    const auto centreOf = [&](int index) {
        const int start = metrics.horizontalAdvance(name.left(index));
        return baseline.x() + start + metrics.horizontalAdvance(name.at(index)) / 2 + 4;
    };
    painter.setPen(QPen(kOrange, 3, Qt::SolidLine, Qt::FlatCap));
    const int plus = centreOf(1);
    const int minus = centreOf(4);
    const int poleY = capTop - 6;
    painter.drawLine(plus - 5, poleY, plus + 5, poleY);
    painter.drawLine(plus, poleY - 5, plus, poleY + 5);
    painter.drawLine(minus - 5, poleY, minus + 5, poleY);
}

void drawSubtitle(QPainter& painter, QRect area) {
    QFont font = boldFont();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 220));
    painter.drawText(area.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("POWER SUPPLY CALCULATOR FOR PCs"));
    painter.setPen(QColor(0xFF, 0xE0, 0xA0));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("POWER SUPPLY CALCULATOR FOR PCs"));
}

}  // namespace

void paintBackground(QPainter& painter, QSize size, const QRegion& exposed) {
    // Only the exposed parts of the plate are textured: the panel covers most
    // of it, and the texture is the costly part.
    for (const QRect& area : exposed) {
        drawMetalPlate(painter, area.intersected(QRect(QPoint(0, 0), size)));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    drawStripes(painter, QRect(0, 4, size.width(), kBannerHeight - 8));
    const int bandTop = size.height() - kBottomBandHeight;
    drawStripes(painter, QRect(0, bandTop, size.width(), kBottomBandHeight));
    // A cosmetic hairline above the band: one device pixel at every scale.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kHairline, 0));
    painter.drawLine(0, bandTop - 1, size.width(), bandTop - 1);
    painter.setRenderHint(QPainter::Antialiasing);

    // A dark plate behind the lettering keeps it readable over the stripes.
    painter.setPen(QPen(QColor(0x60, 0x66, 0x70), 1));
    painter.setBrush(QColor(0x10, 0x12, 0x16, 230));
    painter.drawRoundedRect(QRectF(78.5, 9.5, 270, 61), 6, 6);

    drawRadiationEmblem(painter, QPointF(40, 40), 31);
    drawBoltEmblem(painter, QPointF(size.width() - 40, 40), 31);
    drawName(painter, QPoint(92, 51));
    drawSubtitle(painter, QRect(92, 53, 250, 15));
}

void paintQuitButton(QPainter& painter, QSize size, const QRegion& /*exposed*/) {
    const QRect face(QPoint(0, 0), size);

    QLinearGradient shade(0, 0, 0, size.height());
    shade.setColorAt(0, QColor(0x4A, 0x4C, 0x50));
    shade.setColorAt(1, QColor(0x2C, 0x2E, 0x32));
    painter.fillRect(face, shade);
    painter.setPen(QColor(0xD0, 0xD0, 0xD0));
    painter.drawLine(face.topLeft(), face.topRight());
    painter.drawLine(face.topLeft(), face.bottomLeft());
    painter.setPen(QColor(0x10, 0x10, 0x10));
    painter.drawLine(face.bottomLeft(), face.bottomRight());
    painter.drawLine(face.topRight(), face.bottomRight());

    QFont font = boldFont();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    painter.setFont(font);
    painter.setPen(QColor(0xE8, 0xE8, 0xE8));
    painter.drawText(face, Qt::AlignCenter, QStringLiteral("QUIT"));
}

}  // namespace kolva::ui
