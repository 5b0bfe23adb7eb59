#include "gui/workspace/ItemPainter.h"

#include "core/workspace/ShopItem.h"
#include "gui/workspace/ItemLayout.h"
#include "gui/workspace/ItemTexts.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextOption>
#include <QWidget>

namespace targello {

namespace {

// The insets of a line edit's and a plain text edit's text inside the frame,
// so that painted text stands where the live control will show it.
constexpr int LineTextInset = 2;
constexpr int DocumentMargin = 4;

} // namespace

ItemPainter::ItemPainter(QPainter& painter, const QWidget& canvas, const ItemLayout& layout)
    : painter_(painter), canvas_(canvas), layout_(layout) {}

void ItemPainter::paint(const ShopItem& item, const QImage& picture, QPoint cell) {
    const QRect pictureRect = layout_.rect(ItemControl::Picture, cell);
    if (picture.hasAlphaChannel())
        painter_.fillRect(pictureRect, Qt::white);
    painter_.drawImage(pictureRect, picture);
    label(static_cast<int>(ItemControl::DescriptionLabel), cell);
    label(static_cast<int>(ItemControl::NameLabel), cell);
    label(static_cast<int>(ItemControl::PriceLabel), cell);
    textBox(layout_.rect(ItemControl::DescriptionBox, cell),
            ItemTexts::shownLines(QString::fromStdString(item.Description)));
    lineBox(layout_.rect(ItemControl::NameBox, cell), QString::fromStdString(item.Name));
    lineBox(layout_.rect(ItemControl::PriceBox, cell), QString::fromStdString(item.Price));
}

void ItemPainter::label(int control, QPoint cell) {
    const auto which = static_cast<ItemControl>(control);
    painter_.setPen(canvas_.palette().color(QPalette::WindowText));
    painter_.drawText(layout_.rect(which, cell), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      QString::fromUtf8(ItemLayout::labelText(which)));
}

void ItemPainter::frame(const QRect& box) {
    QStyleOptionFrame option;
    option.initFrom(&canvas_);
    option.rect = box;
    option.state |= QStyle::State_Sunken | QStyle::State_Enabled;
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    option.lineWidth = canvas_.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &canvas_);
    option.midLineWidth = 0;
    canvas_.style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter_, &canvas_);
}

void ItemPainter::lineBox(const QRect& box, const QString& text) {
    frame(box);
    const int inset = canvas_.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + LineTextInset;
    const QRect textRect = box.adjusted(inset, 0, -inset, 0);
    painter_.save();
    painter_.setClipRect(textRect);
    painter_.setPen(canvas_.palette().color(QPalette::Text));
    painter_.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter_.restore();
}

void ItemPainter::textBox(const QRect& box, const QString& text) {
    frame(box);
    const int inset = canvas_.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + DocumentMargin;
    const QRect textRect = box.adjusted(inset, inset, -inset, -inset);
    painter_.save();
    painter_.setClipRect(textRect);
    painter_.setPen(canvas_.palette().color(QPalette::Text));
    QTextOption wrapping(Qt::AlignLeft | Qt::AlignTop);
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter_.drawText(QRectF(textRect), text, wrapping);
    painter_.restore();
}

} // namespace targello
