#include "gui/common/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace targello {
namespace {

const QColor Ink(0x2B, 0x3A, 0x67);
const QColor Accent(0xE0, 0x7A, 0x1F);
const QColor Paper(0xFF, 0xFF, 0xFF);
const QColor Leaf(0x3C, 0x9D, 0x5D);

QImage canvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void sheet(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Ink, 1.6));
    p.setBrush(Paper);
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - 6, r.top());
    path.lineTo(r.right(), r.top() + 6);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.drawPath(path);
}

void plus(QPainter& p, QPointF c, qreal s, const QColor& color) {
    p.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c - QPointF(s, 0), c + QPointF(s, 0));
    p.drawLine(c - QPointF(0, s), c + QPointF(0, s));
}

void windowFrame(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Ink, 1.4));
    p.setBrush(Paper);
    p.drawRect(r);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 3), Ink);
}

void basket(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Ink, 1.6));
    p.setBrush(QColor(0xF6, 0xD3, 0x9B));
    QPainterPath path;
    path.moveTo(r.left(), r.top() + r.height() * 0.35);
    path.lineTo(r.right(), r.top() + r.height() * 0.35);
    path.lineTo(r.right() - 3, r.bottom());
    path.lineTo(r.left() + 3, r.bottom());
    path.closeSubpath();
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(r.left() + 5, r.top(), r.width() - 10, r.height() * 0.7), 0, 180 * 16);
}

void drawGlyph(QPainter& p, Artwork::Glyph glyph) {
    using G = Artwork::Glyph;
    switch (glyph) {
    case G::NewProject:
        sheet(p, {6, 3, 18, 24});
        plus(p, {23, 23}, 5, Leaf);
        break;
    case G::OpenProject:
        p.setPen(QPen(Ink, 1.6));
        p.setBrush(QColor(0xF2, 0xC1, 0x4E));
        p.drawRect(QRectF(3, 9, 24, 17));
        p.drawRect(QRectF(3, 6, 9, 4));
        p.setBrush(QColor(0xF8, 0xDA, 0x86));
        p.drawPolygon(QPolygonF({{7, 14}, {30, 14}, {26, 26}, {3, 26}}));
        break;
    case G::SaveProject:
        p.setPen(QPen(Ink, 1.6));
        p.setBrush(QColor(0x4A, 0x6F, 0xC9));
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(Paper);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.fillRect(QRectF(8, 18, 16, 10), Paper);
        break;
    case G::SaveHtml: {
        sheet(p, {5, 3, 20, 26});
        // "</>" drawn as strokes: text would load a font at start-up, which
        // cost more than the rest of the main window together.
        p.setPen(QPen(Accent, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{QPointF(11, 12.5), QPointF(8, 16), QPointF(11, 19.5)});
        p.drawLine(QPointF(16.5, 12), QPointF(13.5, 20));
        p.drawPolyline(QPolygonF{QPointF(19, 12.5), QPointF(22, 16), QPointF(19, 19.5)});
        break;
    }
    case G::InsertItem:
        basket(p, {3, 8, 22, 18});
        plus(p, {25, 8}, 5, Leaf);
        break;
    case G::RemoveItem:
        p.setPen(QPen(Ink, 1.6));
        p.setBrush(QColor(0xD8, 0xDE, 0xEA));
        p.drawRect(QRectF(8, 9, 16, 19));
        p.drawLine(QPointF(5, 8), QPointF(27, 8));
        p.drawLine(QPointF(13, 5), QPointF(19, 5));
        for (qreal x : {12.0, 16.0, 20.0})
            p.drawLine(QPointF(x, 12), QPointF(x, 25));
        break;
    case G::Preview:
        p.setPen(QPen(Ink, 1.8));
        p.setBrush(Paper);
        p.drawEllipse(QRectF(3, 9, 26, 14));
        p.setBrush(QColor(0x4A, 0x6F, 0xC9));
        p.drawEllipse(QPointF(16, 16), 5, 5);
        break;
    case G::Settings: {
        p.setPen(QPen(Ink, 1.4));
        p.setBrush(QColor(0x9A, 0xA5, 0xB8));
        QPainterPath gear;
        for (int k = 0; k < 8; ++k) {
            p.save();
            p.translate(16, 16);
            p.rotate(45.0 * k);
            p.drawRect(QRectF(-2.5, -13, 5, 6));
            p.restore();
        }
        p.drawEllipse(QPointF(16, 16), 9, 9);
        p.setBrush(Paper);
        p.drawEllipse(QPointF(16, 16), 3.5, 3.5);
        break;
    }
    case G::Cascade:
        windowFrame(p, {3, 3, 17, 13});
        windowFrame(p, {8, 9, 17, 13});
        windowFrame(p, {13, 15, 17, 13});
        break;
    case G::TileHorizontal:
        windowFrame(p, {4, 4, 24, 11});
        windowFrame(p, {4, 17, 24, 11});
        break;
    case G::TileVertical:
        windowFrame(p, {4, 4, 11, 24});
        windowFrame(p, {17, 4, 11, 24});
        break;
    case G::About:
    case G::Help: {
        p.setPen(QPen(Ink, 1.6));
        p.setBrush(glyph == G::About ? QColor(0x4A, 0x6F, 0xC9) : Leaf);
        p.drawEllipse(QRectF(3, 3, 26, 26));
        // The letter as strokes, for the reason given at SaveHtml.
        p.setPen(QPen(Paper, glyph == G::About ? 3.0 : 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        if (glyph == G::About) {
            p.drawLine(QPointF(16, 14), QPointF(16, 23));
        } else {
            QPainterPath hook(QPointF(11.5, 12));
            hook.cubicTo(11.5, 7.5, 20.5, 7.5, 20.5, 12);
            hook.cubicTo(20.5, 15, 16, 15.5, 16, 18.5);
            p.drawPath(hook);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(Paper);
        p.drawEllipse(glyph == G::About ? QPointF(16, 9.5) : QPointF(16, 23), 1.8, 1.8);
        break;
    }
    case G::WebSite:
        p.setPen(QPen(Ink, 1.5));
        p.setBrush(QColor(0xBF, 0xE3, 0xF5));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(10, 3, 12, 26));
        p.drawLine(QPointF(3, 16), QPointF(29, 16));
        p.drawLine(QPointF(6, 9), QPointF(26, 9));
        p.drawLine(QPointF(6, 23), QPointF(26, 23));
        break;
    case G::Exit:
        p.setPen(QPen(QColor(0xC0, 0x39, 0x2B), 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5, 6, 22, 22), 120 * 16, 300 * 16);
        p.drawLine(QPointF(16, 3), QPointF(16, 15));
        break;
    case G::Wizard:
        p.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 27), QPointF(22, 11));
        plus(p, {24, 8}, 4, Accent);
        break;
    }
}

} // namespace

QImage Artwork::glyph(Glyph glyph) {
    QImage image = canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlyph(p, glyph);
    return image;
}

QImage Artwork::backgroundTile() {
    QImage image(177, 169, QImage::Format_RGB32);
    image.fill(QColor(249, 254, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Faint baskets scattered so that neighbouring tiles meet without a seam.
    p.setOpacity(0.09);
    basket(p, {20, 24, 44, 36});
    basket(p, {110, 100, 44, 36});
    p.setOpacity(0.06);
    p.setPen(QPen(Ink, 1));
    for (int x = 0; x < 177; x += 59)
        p.drawLine(QPointF(x, 0), QPointF(x, 169));
    return image;
}

QImage Artwork::aboutPicture() {
    QImage image(128, 160, QImage::Format_RGB32);
    QLinearGradient gradient(0, 0, 0, 160);
    gradient.setColorAt(0, QColor(0xE8, 0xF0, 0xFF));
    gradient.setColorAt(1, Paper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), gradient);
    basket(p, {24, 40, 80, 70});
    QFont font(QStringLiteral("Sans"), 13, QFont::Bold);
    p.setFont(font);
    p.setPen(Ink);
    p.drawText(QRectF(0, 120, 128, 30), Qt::AlignCenter, QStringLiteral("Targello"));
    return image;
}

QImage Artwork::programIcon(int size) {
    QImage image = canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4A, 0x6F, 0xC9));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    basket(p, {6, 8, 20, 18});
    return image;
}

} // namespace targello
