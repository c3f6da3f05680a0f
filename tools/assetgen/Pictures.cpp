#include "tools/assetgen/Pictures.h"

#include "tools/assetgen/DiceArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace {

constexpr int kDieSize = 70;
constexpr double kDieYaw = -28;

QImage Canvas(int AWidth, int AHeight, QRgb AGround) {
    QImage image(AWidth, AHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(AGround);
    return image;
}

// Five dice lying on a green table lit from above, laid out inside AOval.
void DrawDiceTable(QPainter& APainter, const QRectF& AOval) {
    APainter.save();
    APainter.setRenderHint(QPainter::Antialiasing);
    APainter.setPen(Qt::NoPen);

    // The spotlight: bright green in the middle, fading to black at the rim.
    APainter.save();
    APainter.translate(AOval.center());
    APainter.scale(AOval.width() / 2, AOval.height() / 2);
    QRadialGradient spot(QPointF(0, -0.15), 1.0);
    spot.setColorAt(0.0, QColor(96, 214, 88));
    spot.setColorAt(0.35, QColor(40, 150, 44));
    spot.setColorAt(0.75, QColor(12, 72, 20));
    spot.setColorAt(0.93, QColor(4, 30, 8));
    spot.setColorAt(1.0, QColor(0, 0, 0));
    APainter.setBrush(spot);
    APainter.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    APainter.restore();

    struct TPlacedDie {
        double X, Y; // centre, in parts of the oval from its top left
        double Size; // half edge, in parts of the oval's height
        int Value;
        double Yaw;
    };
    // Back row first, so that nearer dice overlap farther ones.
    constexpr std::array<TPlacedDie, 5> kDice{{
        {0.36, 0.34, 0.105, 5, -12},
        {0.62, 0.30, 0.105, 3, -41},
        {0.20, 0.60, 0.118, 6, -33},
        {0.50, 0.63, 0.118, 2, -20},
        {0.79, 0.58, 0.118, 4, 8},
    }};
    const TDieLook look = RedDieLook();
    for (const TPlacedDie& die : kDice) {
        const QPointF centre(AOval.left() + die.X * AOval.width(),
                             AOval.top() + die.Y * AOval.height());
        DrawDie(APainter, centre, die.Size * AOval.height(), look, die.Value, die.Yaw);
    }
    APainter.restore();
}

void DrawTitle(QPainter& APainter, const QString& AText, QPointF ABaseline, int APixelSize) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(APixelSize);
    font.setBold(true);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    QPainterPath text;
    text.addText(ABaseline, font, AText);
    const QRectF box = text.boundingRect();

    APainter.save();
    APainter.setRenderHint(QPainter::Antialiasing);
    // A soft green glow behind the letters.
    for (int ring = 4; ring >= 1; --ring) {
        APainter.setPen(
            QPen(QColor(30, 140, 40, 34), ring * 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        APainter.setBrush(Qt::NoBrush);
        APainter.drawPath(text);
    }
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, QColor(200, 255, 170));
    fill.setColorAt(0.45, QColor(80, 220, 70));
    fill.setColorAt(1, QColor(20, 120, 30));
    APainter.setPen(QPen(QColor(8, 60, 12), 1.2));
    APainter.setBrush(fill);
    APainter.drawPath(text);
    APainter.restore();
}

} // namespace

QImage DiePicture(int AValue, bool AHeld) {
    QImage image = Canvas(kDieSize, kDieSize, AHeld ? kBlack : kNavy);
    QPainter painter(&image);
    DrawDieInBox(painter, QRectF(0, 0, kDieSize, kDieSize), AHeld ? HeldDieLook() : RedDieLook(),
                 AValue, kDieYaw);
    return image;
}

QImage IconPicture(int ASize) {
    QImage image(ASize, ASize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    TDieLook look = RedDieLook();
    look.Shadow = Qt::transparent;
    DrawDieInBox(painter, QRectF(0, 0, ASize, ASize), look, 5, kDieYaw);
    return image;
}

QImage SplashPicture() {
    QImage image = Canvas(465, 281, kBlack);
    QPainter painter(&image);
    DrawDiceTable(painter, QRectF(70, 86, 380, 180));
    DrawTitle(painter, QStringLiteral("Tolmir"), QPointF(18, 70), 64);

    QFont notice(QStringLiteral("DejaVu Sans"));
    notice.setPixelSize(11);
    painter.setFont(notice);
    painter.setPen(QColor(120, 190, 120));
    painter.drawText(QRectF(0, 0, 457, 275), Qt::AlignRight | Qt::AlignBottom,
                     QStringLiteral("\u00a9 2026 Varnholt"));
    return image;
}

QImage AboutPicture() {
    QImage image = Canvas(160, 120, kBlack);
    QPainter painter(&image);
    DrawDiceTable(painter, QRectF(2, 10, 156, 104));
    return image;
}
