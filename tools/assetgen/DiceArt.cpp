#include "tools/assetgen/DiceArt.h"

#include "game/DieFaces.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <QVector3D>

#include <array>
#include <cmath>
#include <numbers>
#include <span>

namespace {

constexpr double kPitchDegrees = 54;  // how far the view looks down onto the table
constexpr double kCameraDistance = 7; // in half edges; smaller gives stronger perspective
constexpr double kPipRadius = 0.105;  // in face units (the face is 1 x 1)
constexpr double kCornerRadius = 0.16;
constexpr double kFaceInset = 0.035;

// A face of the cube [-1, 1]^3: its centre and the two unit axes along which its
// face coordinates u and v (0..1) run: u left to right, v top to bottom as the
// face is usually looked at. The centre doubles as the outward normal.
struct TFace {
    QVector3D Centre;
    QVector3D U;
    QVector3D V;
};

constexpr int kTop = 0;
const std::array<TFace, 5> kFaces{{
    {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}},    // top; v runs towards the viewer
    {{0, 0, 1}, {1, 0, 0}, {0, -1, 0}},   // front
    {{1, 0, 0}, {0, 0, -1}, {0, -1, 0}},  // right
    {{0, 0, -1}, {-1, 0, 0}, {0, -1, 0}}, // back
    {{-1, 0, 0}, {0, 0, 1}, {0, -1, 0}},  // left
}};

// A pip's centre on the face: its place on the 3 x 3 grid at a quarter, a half
// and three quarters of the face.
QPointF PipCentre(int APlace) {
    const TPipPlace& place = kPipPlaces[static_cast<std::size_t>(APlace)];
    return {0.25 + 0.25 * place.Column, 0.25 + 0.25 * place.Row};
}

// The values on the front, right, back and left faces for a die showing
// AValue on top: a real die's arrangement (opposite faces add up to 7).
std::array<int, 4> SideValues(int AValue) {
    switch (AValue) {
    case 1:
        return {2, 3, 5, 4};
    case 2:
        return {6, 3, 1, 4};
    case 3:
        return {2, 6, 5, 1};
    case 4:
        return {2, 1, 5, 6};
    case 5:
        return {1, 3, 6, 4};
    default:
        return {5, 3, 2, 4};
    }
}

QColor Mix(const QColor& A, const QColor& B, double AAmount) {
    const auto channel = [AAmount](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * AAmount));
    };
    return QColor(channel(A.red(), B.red()), channel(A.green(), B.green()),
                  channel(A.blue(), B.blue()), channel(A.alpha(), B.alpha()));
}

// The view of a die turned by a yaw angle: rotation, tilt and perspective.
class TDieView {
public:
    explicit TDieView(double AYawDegrees)
        : FYaw(AYawDegrees * std::numbers::pi / 180),
          FPitch(kPitchDegrees * std::numbers::pi / 180) {}

    // Rotates a point or direction of the die into camera space (z towards the viewer).
    QVector3D ToCamera(const QVector3D& APoint) const {
        const double c = std::cos(FYaw), s = std::sin(FYaw);
        const double x = APoint.x() * c + APoint.z() * s;
        const double z = -APoint.x() * s + APoint.z() * c;
        const double y = APoint.y();
        const double cp = std::cos(FPitch), sp = std::sin(FPitch);
        return QVector3D(static_cast<float>(x), static_cast<float>(y * cp - z * sp),
                         static_cast<float>(y * sp + z * cp));
    }

    // Screen position in half edges around the die's centre (y downwards).
    QPointF Project(const QVector3D& APoint) const {
        const QVector3D p = ToCamera(APoint);
        const double k = kCameraDistance / (kCameraDistance - p.z());
        return {p.x() * k, -p.y() * k};
    }

    bool Visible(const TFace& AFace) const {
        // On a cube around the origin a face's centre is also its outward normal.
        const QVector3D centre = ToCamera(AFace.Centre);
        const QVector3D toEye = QVector3D(0, 0, static_cast<float>(kCameraDistance)) - centre;
        return QVector3D::dotProduct(centre, toEye) > 0;
    }

    // How much a side face turns towards the light, which comes from the upper left.
    double SideLight(const TFace& AFace) const {
        const QVector3D normal = ToCamera(AFace.Centre);
        const QVector3D light = QVector3D(-0.75f, 0, 0.66f).normalized();
        const double amount = QVector3D::dotProduct(QVector3D(normal.x(), 0, normal.z()), light);
        return std::clamp(amount, 0.0, 1.0);
    }

    QPointF FacePoint(const TFace& AFace, double AU, double AV) const {
        return Project(AFace.Centre + AFace.U * static_cast<float>(2 * AU - 1) +
                       AFace.V * static_cast<float>(2 * AV - 1));
    }

    // Maps face coordinates (0..1) onto the face as seen, in half edges.
    QTransform FaceTransform(const TFace& AFace) const {
        const QPolygonF square{QPointF(0, 0), QPointF(1, 0), QPointF(1, 1), QPointF(0, 1)};
        const QPolygonF quad{FacePoint(AFace, 0, 0), FacePoint(AFace, 1, 0), FacePoint(AFace, 1, 1),
                             FacePoint(AFace, 0, 1)};
        QTransform result;
        QTransform::quadToQuad(square, quad, result);
        return result;
    }

    QRectF Extent() const {
        QRectF extent;
        for (float x : {-1.f, 1.f}) {
            for (float y : {-1.f, 1.f}) {
                for (float z : {-1.f, 1.f}) {
                    const QPointF p = Project({x, y, z});
                    extent = extent.united(QRectF(p, QSizeF(1e-9, 1e-9)));
                }
            }
        }
        return extent;
    }

private:
    double FYaw;
    double FPitch;
};

QPainterPath RoundedFace() {
    QPainterPath path;
    path.addRoundedRect(QRectF(kFaceInset, kFaceInset, 1 - 2 * kFaceInset, 1 - 2 * kFaceInset),
                        kCornerRadius, kCornerRadius);
    return path;
}

void DrawShadow(QPainter& APainter, const TDieView& AView, const QTransform& AToPixels,
                const QColor& AShadow) {
    if (AShadow.alpha() == 0) {
        return;
    }
    // The footprint pushed away from the light, drawn in widening soft rings.
    const QVector3D offset(0.35f, 0, -0.25f);
    QPolygonF footprint;
    for (const auto& corner :
         {QVector3D(-1, -1, -1), QVector3D(1, -1, -1), QVector3D(1, -1, 1), QVector3D(-1, -1, 1)}) {
        footprint << AToPixels.map(AView.Project(corner + offset));
    }
    const double width = AToPixels.m11() * 0.9;
    APainter.save();
    APainter.setBrush(Qt::NoBrush);
    constexpr int kRings = 5;
    for (int ring = kRings; ring >= 1; --ring) {
        QColor colour = AShadow;
        colour.setAlphaF(AShadow.alphaF() / kRings);
        APainter.setPen(
            QPen(colour, width * ring / kRings, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        APainter.setBrush(colour);
        APainter.drawPolygon(footprint);
    }
    APainter.restore();
}

void DrawPips(QPainter& APainter, std::span<const int> ASpots, const QColor& APip,
              const QColor& AHole) {
    for (int spot : ASpots) {
        const QPointF centre = PipCentre(spot);
        // A hole in the face: the rim's shadow on its upper left, the pip's paint below.
        APainter.setBrush(AHole);
        APainter.drawEllipse(centre, kPipRadius * 1.06, kPipRadius * 1.06);
        QRadialGradient paint(centre + QPointF(0.02, 0.025), kPipRadius * 1.1);
        paint.setColorAt(0, APip);
        paint.setColorAt(0.7, APip);
        paint.setColorAt(1, Mix(APip, AHole, 0.35));
        APainter.setBrush(paint);
        APainter.drawEllipse(centre + QPointF(0.012, 0.015), kPipRadius * 0.94, kPipRadius * 0.94);
    }
}

} // namespace

TDieLook RedDieLook() {
    return {QColor(224, 64, 64), QColor(186, 44, 44), QColor(118, 22, 28), QColor(255, 255, 255),
            QColor(0, 0, 12, 150)};
}

TDieLook HeldDieLook() {
    return {QColor(132, 28, 30), QColor(104, 20, 22), QColor(62, 8, 12), QColor(192, 220, 192),
            QColor(0, 0, 0, 0)};
}

void DrawDie(QPainter& APainter, QPointF ACentre, double AScale, const TDieLook& ALook, int AValue,
             double AYawDegrees) {
    const TDieView view(AYawDegrees);
    const QTransform toPixels =
        QTransform::fromTranslate(ACentre.x(), ACentre.y()).scale(AScale, AScale);
    const QTransform base = APainter.transform();

    APainter.save();
    APainter.setRenderHint(QPainter::Antialiasing);
    APainter.setPen(Qt::NoPen);
    DrawShadow(APainter, view, toPixels, ALook.Shadow);

    // The body: the outline of the cube, with rounded corners, in the colour of
    // the edges between the faces.
    QPolygonF outline;
    {
        QPainterPath hull;
        for (std::size_t f = 0; f < kFaces.size(); ++f) {
            if (view.Visible(kFaces[f])) {
                QPolygonF quad{view.FacePoint(kFaces[f], 0, 0), view.FacePoint(kFaces[f], 1, 0),
                               view.FacePoint(kFaces[f], 1, 1), view.FacePoint(kFaces[f], 0, 1)};
                hull.addPolygon(toPixels.map(quad));
            }
        }
        hull.setFillRule(Qt::WindingFill);
        const QColor edge = Mix(ALook.SideLit, ALook.SideDark, 0.45);
        APainter.setPen(QPen(edge, AScale * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        APainter.setBrush(edge);
        APainter.drawPath(hull.simplified());
        APainter.setPen(Qt::NoPen);
    }

    const std::array<int, 4> sides = SideValues(AValue);
    for (std::size_t f = 0; f < kFaces.size(); ++f) {
        const TFace& face = kFaces[f];
        if (!view.Visible(face)) {
            continue;
        }
        APainter.setTransform(view.FaceTransform(face) * toPixels * base);
        if (f == kTop) {
            QLinearGradient light(QPointF(0, 0), QPointF(1, 1));
            light.setColorAt(0, Mix(ALook.Top, Qt::white, 0.16));
            light.setColorAt(0.45, ALook.Top);
            light.setColorAt(1, Mix(ALook.Top, ALook.SideLit, 0.35));
            APainter.setBrush(light);
            APainter.drawPath(RoundedFace());
            DrawPips(APainter, PipPlacesOf(AValue), ALook.Pip, Mix(ALook.SideDark, Qt::black, 0.3));
        } else {
            const QColor shade = Mix(ALook.SideDark, ALook.SideLit, view.SideLight(face));
            QLinearGradient fall(QPointF(0.5, 0), QPointF(0.5, 1));
            fall.setColorAt(0, shade);
            fall.setColorAt(1, Mix(shade, Qt::black, 0.25));
            APainter.setBrush(fall);
            APainter.drawPath(RoundedFace());
            // Side pips sit in the face's own shade, so that the top's value stands out.
            DrawPips(APainter, PipPlacesOf(sides[f - 1]), Mix(shade, ALook.Pip, 0.3),
                     Mix(shade, Qt::black, 0.45));
        }
    }
    APainter.restore();
}

void DrawDieInBox(QPainter& APainter, const QRectF& ABox, const TDieLook& ALook, int AValue,
                  double AYawDegrees) {
    const QRectF extent = TDieView(AYawDegrees).Extent();
    // Room for the rounded outline and the shadow.
    const double scale =
        std::min(ABox.width() / (extent.width() + 0.5), ABox.height() / (extent.height() + 0.5));
    const QPointF centre = ABox.center() - extent.center() * scale;
    DrawDie(APainter, centre, scale, ALook, AValue, AYawDegrees);
}
