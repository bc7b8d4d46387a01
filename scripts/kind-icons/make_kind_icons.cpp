// Draws the text label's kind icons (32 px and the 12 px circles) at 1x and 2x into
// src/controls/icons. Build and run from the repository root:
//   g++ -std=c++20 -fPIC scripts/kind-icons/make_kind_icons.cpp $(pkg-config --cflags --libs
//   Qt6Gui) QT_QPA_PLATFORM=offscreen ./a.out src/controls/icons

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace {
const QColor Direction(0, 99, 68);
const QColor Attention(244, 193, 0);
const QColor Danger(223, 4, 35);
const QColor AttentionInk(64, 46, 0);

// An exclamation mark centred on x, from top to bottom. Widths and x are chosen so that the
// vertical edges fall on whole pixels at 1x.
void Exclamation(QPainter& p, qreal x, qreal top, qreal bottom, qreal width, const QColor& ink) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const qreal gap = width * 0.75;
    const qreal barBottom = bottom - width - gap;
    p.drawRoundedRect(QRectF(x - width / 2, top, width, barBottom - top), width / 4, width / 4);
    p.drawRoundedRect(QRectF(x - width / 2, bottom - width, width, width), width / 4, width / 4);
}

void RightArrow(QPainter& p, qreal cx, qreal cy, qreal length, qreal stroke, const QColor& ink) {
    QPen pen(ink, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const qreal half = length / 2;
    const qreal head = length * 0.42;
    p.drawLine(QPointF(cx - half, cy), QPointF(cx + half, cy));
    QPainterPath tip;
    tip.moveTo(cx + half - head, cy - head);
    tip.lineTo(cx + half, cy);
    tip.lineTo(cx + half - head, cy + head);
    p.drawPath(tip);
}

void DrawDirection(QPainter& p) {
    p.setPen(QPen(Direction.darker(125), 1));
    p.setBrush(Direction);
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    RightArrow(p, 16.5, 15.5, 15, 3, Qt::white);
}

void DrawAttention(QPainter& p) {
    QPainterPath triangle;
    const qreal r = 3.5;  // rounded corners
    const QPointF top(16, 2.5), left(1.5, 28.5), right(30.5, 28.5);
    auto toward = [](QPointF a, QPointF b, qreal d) {
        const QPointF v = b - a;
        const qreal len = std::hypot(v.x(), v.y());
        return a + v * (d / len);
    };
    triangle.moveTo(toward(top, right, r));
    triangle.lineTo(toward(right, top, r));
    triangle.quadTo(right, toward(right, left, r));
    triangle.lineTo(toward(left, right, r));
    triangle.quadTo(left, toward(left, top, r));
    triangle.lineTo(toward(top, left, r));
    triangle.quadTo(top, toward(top, right, r));
    p.setPen(QPen(QColor(196, 150, 0), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Attention);
    p.drawPath(triangle);
    Exclamation(p, 16, 11, 26, 4, AttentionInk);
}

void DrawDanger(QPainter& p) {
    QPainterPath octagon;
    const QPointF centre(16, 16);
    const qreal radius = 15.2;
    for (int i = 0; i < 8; ++i) {
        const qreal angle = M_PI / 8 + i * M_PI / 4;
        const QPointF corner = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (i == 0)
            octagon.moveTo(corner);
        else
            octagon.lineTo(corner);
    }
    octagon.closeSubpath();
    p.setPen(QPen(Danger.darker(130), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Danger);
    p.drawPath(octagon);
    Exclamation(p, 16, 7, 25, 4, Qt::white);
}

void SmallCircle(QPainter& p, const QColor& fill) {
    p.setPen(QPen(fill.darker(125), 0.6));
    p.setBrush(fill);
    p.drawEllipse(QRectF(0.5, 0.5, 11, 11));
}

void DrawSmallDirection(QPainter& p) {
    SmallCircle(p, Direction);
    RightArrow(p, 6.25, 6, 5.5, 1.5, Qt::white);
}

void DrawSmallAttention(QPainter& p) {
    SmallCircle(p, Attention);
    Exclamation(p, 6, 2.5, 9.5, 2, AttentionInk);
}

void DrawSmallDanger(QPainter& p) {
    SmallCircle(p, Danger);
    Exclamation(p, 6, 2.5, 9.5, 2, Qt::white);
}

void Save(const QString& folder, const QString& name, int size,
          const std::function<void(QPainter&)>& draw) {
    for (int ratio : {1, 2}) {
        QImage image(size * ratio, size * ratio, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(ratio, ratio);
        draw(p);
        p.end();
        const QString suffix = ratio == 1 ? QString() : QStringLiteral("@2x");
        image.save(QDir(folder).filePath(name + suffix + QStringLiteral(".png")));
    }
}
}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    Save(folder, "direction", 32, DrawDirection);
    Save(folder, "attention", 32, DrawAttention);
    Save(folder, "danger", 32, DrawDanger);
    Save(folder, "direction_small", 12, DrawSmallDirection);
    Save(folder, "attention_small", 12, DrawSmallAttention);
    Save(folder, "danger_small", 12, DrawSmallDanger);
    return 0;
}
