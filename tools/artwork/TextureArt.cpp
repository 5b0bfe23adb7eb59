#include "TextureArt.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace artwork {

namespace {

constexpr double Pi = std::numbers::pi;

QPointF Polar(QPointF centre, double radius, double degrees) {
    const double a = degrees * Pi / 180.0;
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

QPen Pen(const QColor& color, double width) {
    QPen pen(color, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPainterPath StarPath(QPointF centre, double radius, double rotation) {
    QPainterPath path;
    for (int k = 0; k < 10; ++k) {
        const double r = k % 2 == 0 ? radius : radius * 0.45;
        const QPointF p = Polar(centre, r, rotation - 90 + k * 36);
        k == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

// A gear of `teeth` trapezoid teeth between the root and tip radii.
QPainterPath GearPath(QPointF centre, int teeth, double root, double tip, double offset) {
    QPainterPath path;
    const double step = 360.0 / teeth;
    for (int k = 0; k < teeth; ++k) {
        const double a = offset + k * step;
        const QPointF points[] = {Polar(centre, root, a), Polar(centre, tip, a + step * 0.18),
                                  Polar(centre, tip, a + step * 0.45), Polar(centre, root, a + step * 0.63)};
        k == 0 ? path.moveTo(points[0]) : path.lineTo(points[0]);
        for (int p = 1; p < 4; ++p)
            path.lineTo(points[p]);
    }
    path.closeSubpath();
    return path;
}

void Gear(QPainter& p, QPointF centre, int teeth, double root, double tip, double offset,
          const QColor& fill) {
    p.setPen(Pen(fill.darker(135), 0.8));
    p.setBrush(fill);
    p.drawPath(GearPath(centre, teeth, root, tip, offset));
    p.setBrush(fill.lighter(108));
    p.drawEllipse(centre, root * 0.55, root * 0.55);
    p.setBrush(QColor(243, 242, 239));
    p.drawEllipse(centre, root * 0.22, root * 0.22);
}

void CloverPlant(QPainter& p, QPointF at, double leaf, double rotation, int leaves) {
    p.save();
    p.translate(at);
    p.rotate(rotation);
    p.setPen(Pen(QColor(120, 170, 95), leaf * 0.12));
    QPainterPath stem;
    stem.moveTo(0, 0);
    stem.quadTo(leaf * 0.3, leaf * 0.8, leaf * 0.1, leaf * 1.5);
    p.drawPath(stem);
    for (int k = 0; k < leaves; ++k) {
        p.save();
        p.rotate(k * 360.0 / leaves);
        QPainterPath heart;
        heart.moveTo(0, 0);
        heart.cubicTo(-leaf * 0.9, -leaf * 0.3, -leaf * 0.6, -leaf * 1.15, 0, -leaf * 0.8);
        heart.cubicTo(leaf * 0.6, -leaf * 1.15, leaf * 0.9, -leaf * 0.3, 0, 0);
        p.setPen(Pen(QColor(134, 181, 108), 0.7));
        p.setBrush(QColor(172, 210, 145));
        p.drawPath(heart);
        p.setPen(Pen(QColor(222, 240, 205), 0.6));
        p.drawLine(QPointF(0, -leaf * 0.15), QPointF(0, -leaf * 0.62));
        p.restore();
    }
    p.restore();
}

void Crystal(QPainter& p, QPointF base, double length, double width, double angle, const QColor& tint) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    const double w = width / 2;
    const QPolygonF outline({QPointF(0, 0), QPointF(length * 0.15, -w), QPointF(length * 0.8, -w),
                             QPointF(length, 0), QPointF(length * 0.8, w), QPointF(length * 0.15, w)});
    p.setPen(Pen(tint.darker(150), 0.7));
    p.setBrush(QColor(tint.red(), tint.green(), tint.blue(), 150));
    p.drawPolygon(outline);
    p.setPen(Pen(QColor(255, 255, 255, 200), 0.6));
    p.drawLine(QPointF(length * 0.15, 0), QPointF(length * 0.8, 0));
    p.drawLine(QPointF(length * 0.8, 0), QPointF(length, 0));
    p.restore();
}

void NoteHead(QPainter& p, QPointF at) {
    p.save();
    p.translate(at);
    p.rotate(-22);
    p.drawEllipse(QPointF(0, 0), 2.9, 2.0);
    p.restore();
}

} // namespace

QImage RepeatTile(const QImage& tile) {
    QImage picture(PictureSize, PictureSize, QImage::Format_RGB32);
    QPainter painter(&picture);
    for (int y = 0; y < PictureSize; y += Period)
        for (int x = 0; x < PictureSize; x += Period)
            painter.drawImage(x, y, tile);
    return picture;
}

QImage Seamless(const QColor& background, const std::function<void(QPainter&)>& motif) {
    QImage tile(Period, Period, QImage::Format_RGB32);
    tile.fill(background);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            painter.save();
            painter.translate(dx * Period, dy * Period);
            motif(painter);
            painter.restore();
        }
    painter.end();
    return RepeatTile(tile);
}

QImage SpiderWeb() {
    return Seamless(QColor(246, 245, 249), [](QPainter& p) {
        const QPointF centre(25.5, 25.5); // threads along pixel middles stay sharp
        p.setPen(Pen(QColor(160, 157, 176), 0.7));
        p.setBrush(Qt::NoBrush);
        // Spokes to the corners and edge middles meet the neighbouring webs' spokes.
        for (int k = 0; k < 8; ++k)
            p.drawLine(centre, Polar(centre, k % 2 == 0 ? 25 : 25 * std::sqrt(2.0), k * 45));
        const double rings[] = {4.5, 8.5, 12.5, 16.5, 20.5};
        for (double ring : rings) {
            QPainterPath path;
            for (int k = 0; k <= 8; ++k) {
                const double r = ring * (k % 2 == 0 ? 1.0 : 1.12) * (1.0 + 0.04 * ((k * 5) % 3 - 1));
                const QPointF point = Polar(centre, r, (k % 8) * 45);
                if (k == 0) {
                    path.moveTo(point);
                    continue;
                }
                const QPointF previous = path.currentPosition();
                const QPointF middle = (previous + point) / 2;
                path.quadTo(centre + (middle - centre) * 0.86, point); // threads sag inwards
            }
            p.drawPath(path);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(190, 200, 225));
        p.drawEllipse(Polar(centre, 12.8, 112), 0.9, 0.9); // a dew drop
    });
}

QImage Clover() {
    return Seamless(QColor(241, 248, 235), [](QPainter& p) {
        CloverPlant(p, QPointF(16, 17), 10.5, 12, 3);
        CloverPlant(p, QPointF(39, 39), 6.5, -28, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(214, 233, 196));
        p.drawEllipse(QPointF(40, 12), 1.3, 1.3);
        p.drawEllipse(QPointF(9, 40), 1.0, 1.0);
    });
}

QImage Mesh() {
    return Seamless(QColor(247, 247, 243), [](QPainter& p) {
        p.setPen(Pen(QColor(196, 201, 211), 1.1));
        for (int c = -50; c <= 50; c += 25) {
            p.drawLine(QPointF(c, 0), QPointF(c + 50, 50));
            p.drawLine(QPointF(c, 50), QPointF(c + 50, 0));
        }
        p.setPen(Pen(QColor(226, 229, 236), 0.6));
        for (int c = -50; c <= 50; c += 25) {
            p.drawLine(QPointF(c + 12.5, 0), QPointF(c + 62.5, 50));
            p.drawLine(QPointF(c + 12.5, 50), QPointF(c + 62.5, 0));
        }
        p.setPen(Pen(QColor(168, 175, 190), 0.6));
        p.setBrush(QColor(215, 219, 228));
        for (int y = 0; y <= 50; y += 25)
            for (int x = 0; x <= 50; x += 25) {
                p.drawEllipse(QPointF(x, y), 1.6, 1.6);
                p.drawEllipse(QPointF(x + 12.5, y + 12.5), 1.6, 1.6);
            }
    });
}

QImage Stars() {
    return Seamless(QColor(245, 247, 252), [](QPainter& p) {
        const struct {
            double x, y, radius, rotation;
        } stars[] = {{13, 14, 6.5, 8}, {37, 31, 4.6, -14}, {22, 41, 2.8, 20}, {44, 8, 2.2, 0}};
        p.setPen(Pen(QColor(222, 184, 92), 0.7));
        p.setBrush(QColor(246, 220, 140));
        for (const auto& s : stars)
            p.drawPath(StarPath(QPointF(s.x, s.y), s.radius, s.rotation));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(205, 213, 232));
        for (QPointF dot : {QPointF(30, 9), QPointF(6, 31), QPointF(46, 45), QPointF(27, 23)})
            p.drawEllipse(dot, 0.9, 0.9);
    });
}

QImage Crystals() {
    return Seamless(QColor(241, 246, 249), [](QPainter& p) {
        const QColor ice(160, 205, 228);
        const QColor lilac(200, 182, 232);
        Crystal(p, QPointF(19, 36), 21, 6.5, -72, ice);
        Crystal(p, QPointF(19, 36), 15, 5.5, -112, ice);
        Crystal(p, QPointF(19, 36), 12, 5.0, -35, ice);
        Crystal(p, QPointF(41, 19), 12, 4.5, -85, lilac);
        Crystal(p, QPointF(41, 19), 9, 4.0, -130, lilac);
        Crystal(p, QPointF(41, 19), 8, 3.5, -45, lilac);
        p.setPen(Pen(QColor(255, 255, 255), 0.8));
        for (QPointF spark : {QPointF(8, 10), QPointF(33, 45)}) {
            p.drawLine(spark - QPointF(2, 0), spark + QPointF(2, 0));
            p.drawLine(spark - QPointF(0, 2), spark + QPointF(0, 2));
        }
    });
}

QImage Notes() {
    return Seamless(QColor(251, 248, 240), [](QPainter& p) {
        const QColor ink(180, 158, 124);
        p.setPen(Pen(ink, 0.9));
        p.setBrush(ink);
        // An eighth note.
        NoteHead(p, QPointF(12, 38));
        p.drawLine(QPointF(14.6, 37.2), QPointF(14.6, 24));
        QPainterPath flag;
        flag.moveTo(14.6, 24);
        flag.cubicTo(16, 28, 20, 28, 18.5, 33);
        p.setBrush(Qt::NoBrush);
        p.drawPath(flag);
        // Two beamed sixteenths.
        p.setBrush(ink);
        NoteHead(p, QPointF(29, 20));
        NoteHead(p, QPointF(39, 17));
        p.drawLine(QPointF(31.6, 19.2), QPointF(31.6, 6.5));
        p.drawLine(QPointF(41.6, 16.2), QPointF(41.6, 3.5));
        p.setPen(Pen(ink, 1.8));
        p.drawLine(QPointF(31.6, 6.5), QPointF(41.6, 3.5));
        p.drawLine(QPointF(31.6, 9.5), QPointF(41.6, 6.5));
        // A quarter note, smaller, between the others.
        p.setPen(Pen(ink.lighter(115), 0.8));
        p.setBrush(ink.lighter(115));
        p.save();
        p.translate(40, 44);
        p.scale(0.8, 0.8);
        NoteHead(p, QPointF(0, 0));
        p.drawLine(QPointF(2.6, -0.8), QPointF(2.6, -13));
        p.restore();
    });
}

QImage Gears() {
    return Seamless(QColor(243, 242, 239), [](QPainter& p) {
        // Large and small gears on a checkerboard, each meshing with its neighbours.
        const QColor brass(214, 207, 193);
        const QColor steel(200, 209, 214);
        Gear(p, QPointF(25, 25), 12, 12.0, 14.8, 0, brass);
        Gear(p, QPointF(0, 0), 12, 12.0, 14.8, 15, brass);
        Gear(p, QPointF(0, 25), 9, 8.8, 11.4, 20, steel);
        Gear(p, QPointF(25, 0), 9, 8.8, 11.4, 0, steel);
    });
}

} // namespace artwork
