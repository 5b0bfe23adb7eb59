#include "gui/settings/Thumbnails.h"

#include "core/settings/ColorSchemes.h"
#include "gui/common/QtColor.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace targello::Thumbnails {

namespace {

// Page parts in thumbnail pixels: a border of 3, header and footer bands of
// 12 and 8, a menu column 12 wide.
const QRect Page(3, 3, Width - 7, Height - 7);
const QRect Header(3, 3, Width - 7, 12);
const QRect Footer(3, Height - 12, Width - 7, 8);

QRect MenuColumn(bool left, bool withFooter) {
    const int top = Header.bottom() + 3;
    const int bottom = withFooter ? Footer.top() - 3 : Page.bottom() - 2;
    const int x = left ? Page.left() + 2 : Page.right() - 13;
    return QRect(QPoint(x, top), QPoint(x + 11, bottom));
}

// Grey lines standing for the page's text, between `left` and `right`.
void TextLines(QPainter& painter, int left, int right, int top, int bottom) {
    painter.setPen(QColor(150, 150, 150));
    for (int y = top; y <= bottom; y += 5)
        painter.drawLine(left, y, right - ((y / 5) % 3 == 0 ? 6 : 0), y);
}

QPixmap BlankPage() {
    QPixmap pixmap(Width, Height);
    pixmap.fill(QColor(236, 233, 216));
    QPainter painter(&pixmap);
    painter.setPen(QColor(120, 120, 120));
    painter.setBrush(QColor(100, 100, 100, 90));
    painter.drawRect(Page.translated(2, 2));
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(Page);
    return pixmap;
}

} // namespace

QPixmap layout(int pageLayout) {
    const int kind = std::clamp(pageLayout, 0, 3);
    QPixmap pixmap = BlankPage();
    QPainter painter(&pixmap);
    painter.setBrush(Qt::NoBrush);
    int top = Page.top() + 4;
    int bottom = Page.bottom() - 4;
    int left = Page.left() + 4;
    int right = Page.right() - 4;
    if (kind >= 1) {
        painter.setPen(Qt::black);
        painter.drawRect(Header);
        top = Header.bottom() + 4;
    }
    if (kind >= 2) {
        painter.setPen(Qt::black);
        painter.drawRect(Footer);
        const QRect menu = MenuColumn(kind == 2, true);
        painter.drawRect(menu);
        bottom = Footer.top() - 4;
        if (kind == 2)
            left = menu.right() + 4;
        else
            right = menu.left() - 4;
    }
    TextLines(painter, left, right, top, bottom);
    return pixmap;
}

QPixmap scheme(int colorScheme) {
    const int index = std::clamp(colorScheme, 0, ColorSchemeCount - 1);
    const ColorScheme& colors = ColorSchemes()[static_cast<std::size_t>(index)];
    QPixmap pixmap = BlankPage();
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(ToQColor(colors.HeaderAndFooter));
    painter.drawRect(Header);
    painter.drawRect(Footer);
    const QRect menu = MenuColumn(true, true);
    painter.setBrush(ToQColor(colors.MenuBack));
    painter.drawRect(menu);
    TextLines(painter, menu.right() + 4, Page.right() - 4, Header.bottom() + 4, Footer.top() - 4);
    return pixmap;
}

QPixmap samplePicture() {
    QPixmap pixmap(133, 94);
    pixmap.fill(QColor(214, 234, 248));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 205, 60));
    painter.drawEllipse(QPointF(100, 24), 11, 11);
    painter.setBrush(QColor(110, 160, 90));
    painter.drawPolygon(QPolygonF({QPointF(0, 94), QPointF(0, 70), QPointF(38, 38), QPointF(70, 66),
                                   QPointF(92, 50), QPointF(133, 80), QPointF(133, 94)}));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(90, 90, 90));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, 132, 93);
    return pixmap;
}

} // namespace targello::Thumbnails
