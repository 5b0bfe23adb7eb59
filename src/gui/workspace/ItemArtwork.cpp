#include "gui/workspace/ItemArtwork.h"

#include "gui/workspace/ItemLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace targello::ItemArtwork {

namespace {

QImage blank(const QColor& fill) {
    QImage image(ItemLayout::PictureWidth, ItemLayout::PictureHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

// A landscape in a frame, the sign most people read as "a picture goes here".
void drawLandscape(QPainter& painter, const QRectF& frame, const QColor& ink, const QColor& fill) {
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(fill);
    painter.drawRoundedRect(frame, 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    const qreal sun = frame.height() * 0.18;
    painter.drawEllipse(QPointF(frame.right() - sun * 1.6, frame.top() + sun * 1.5), sun * 0.6, sun * 0.6);
    QPainterPath hills;
    hills.moveTo(frame.left() + 2, frame.bottom() - 2);
    hills.lineTo(frame.left() + frame.width() * 0.35, frame.top() + frame.height() * 0.4);
    hills.lineTo(frame.left() + frame.width() * 0.55, frame.top() + frame.height() * 0.65);
    hills.lineTo(frame.left() + frame.width() * 0.7, frame.top() + frame.height() * 0.5);
    hills.lineTo(frame.right() - 2, frame.bottom() - 2);
    hills.closeSubpath();
    painter.drawPath(hills);
}

void drawCaption(QPainter& painter, const QRect& area, const QString& text, const QColor& ink,
                 int pointSize) {
    QFont font = painter.font();
    font.setPointSize(pointSize);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

} // namespace

QImage placeholderPicture() {
    QImage image = blank(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor(0xF4, 0xF8, 0xFF));
    sky.setColorAt(1, QColor(0xDD, 0xE6, 0xF6));
    painter.fillRect(image.rect(), sky);
    painter.setPen(QPen(QColor(0x79, 0x86, 0xAA), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    drawLandscape(painter, QRectF(47, 10, 39, 30), QColor(0x79, 0x86, 0xAA), Qt::white);
    drawCaption(painter, QRect(4, 44, image.width() - 8, 46),
                QStringLiteral("Kliknij dwa razy, aby wczytać obrazek"), QColor(0x3A, 0x46, 0x6A), 7);
    return image;
}

QImage missingPicture() {
    QImage image = blank(QColor(0xFA, 0xFA, 0xFA));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor faint(0xD0, 0xD0, 0xD0);
    painter.setPen(QPen(faint, 1));
    painter.drawRect(QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    drawLandscape(painter, QRectF(47, 12, 39, 30), faint, QColor(0xFA, 0xFA, 0xFA));
    painter.setPen(QPen(QColor(0xE0, 0xB0, 0xB0), 2));
    painter.drawLine(QPointF(44, 9), QPointF(89, 45));
    drawCaption(painter, QRect(4, 50, image.width() - 8, 36), QStringLiteral("brak obrazka"),
                QColor(0xA8, 0xA8, 0xA8), 9);
    return image;
}

QImage loadingPicture() {
    QImage image = blank(QColor(0xF2, 0xF2, 0xF2));
    QPainter painter(&image);
    painter.setPen(QColor(0xE0, 0xE0, 0xE0));
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

} // namespace targello::ItemArtwork
