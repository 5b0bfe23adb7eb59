#include "gui/workspace/ItemPainter.h"

#include "core/workspace/ShopItem.h"
#include "gui/workspace/ItemLayout.h"
#include "gui/workspace/ItemTexts.h"

#include <QFrame>
#include <QHash>
#include <QPainter>
#include <QStaticText>
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

void ItemPainter::paint(const ShopItem& item, const QImage& picture, QPoint cell, Parts parts) {
    if (parts & Picture) {
        const QRect pictureRect = layout_.rect(ItemControl::Picture, cell);
        if (picture.hasAlphaChannel())
            painter_.fillRect(pictureRect, Qt::white);
        painter_.drawImage(pictureRect, picture);
    }
    if (parts & Labels) {
        label(static_cast<int>(ItemControl::DescriptionLabel), cell);
        label(static_cast<int>(ItemControl::NameLabel), cell);
        label(static_cast<int>(ItemControl::PriceLabel), cell);
    }
    if (parts & DescriptionBox)
        textBox(layout_.rect(ItemControl::DescriptionBox, cell),
                ItemTexts::shownLines(QString::fromStdString(item.Description)));
    if (parts & LineBoxes) {
        lineBox(layout_.rect(ItemControl::NameBox, cell), QString::fromStdString(item.Name));
        lineBox(layout_.rect(ItemControl::PriceBox, cell), QString::fromStdString(item.Price));
    }
}

void ItemPainter::label(int control, QPoint cell) {
    const auto which = static_cast<ItemControl>(control);
    // Labels never change: their text is laid out once, not on every paint.
    static QHash<int, QStaticText> laidOut;
    auto found = laidOut.find(control);
    if (found == laidOut.end()) {
        QStaticText text(QString::fromUtf8(ItemLayout::labelText(which)));
        text.setTextFormat(Qt::PlainText);
        found = laidOut.insert(control, text);
    }
    painter_.setPen(canvas_.palette().color(QPalette::WindowText));
    painter_.drawStaticText(layout_.rect(which, cell).topLeft(), *found);
}

void ItemPainter::frame(const QRect& box, bool multiLine) {
    // The style draws a box's frame with antialiased curves; drawn once per
    // size and look, it is copied from then on.
    static QHash<QString, QImage> frames;
    const QString key = QStringLiteral("%1x%2/%3/%4/%5")
                            .arg(box.width())
                            .arg(box.height())
                            .arg(canvas_.style()->name())
                            .arg(canvas_.palette().cacheKey())
                            .arg(multiLine);
    auto found = frames.find(key);
    if (found == frames.end()) {
        QImage drawn(box.size(), QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        QStyleOptionFrame option;
        option.initFrom(&canvas_);
        option.rect = QRect(QPoint(0, 0), box.size());
        option.state |= QStyle::State_Sunken | QStyle::State_Enabled;
        option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        option.lineWidth = canvas_.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &canvas_);
        option.midLineWidth = 0;
        if (multiLine) {
            // A text box is a framed panel rather than a line edit.
            painter.fillRect(option.rect, canvas_.palette().color(QPalette::Base));
            option.frameShape = QFrame::StyledPanel;
            canvas_.style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, &canvas_);
        } else {
            canvas_.style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, &canvas_);
        }
        painter.end();
        found = frames.insert(key, drawn);
    }
    painter_.drawImage(box.topLeft(), *found);
}

void ItemPainter::lineBox(const QRect& box, const QString& text) {
    frame(box, false);
    if (text.isEmpty())
        return;
    const int inset = canvas_.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + LineTextInset;
    const QRect textRect = box.adjusted(inset, 0, -inset, 0);
    painter_.save();
    painter_.setClipRect(textRect);
    painter_.setPen(canvas_.palette().color(QPalette::Text));
    painter_.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter_.restore();
}

void ItemPainter::textBox(const QRect& box, const QString& text) {
    frame(box, true);
    if (text.isEmpty())
        return;
    const int inset = canvas_.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + DocumentMargin;
    // The text box's layout keeps one more pixel on the left for its caret.
    const QRect textRect = box.adjusted(inset + 1, inset, -inset, -inset);
    painter_.save();
    painter_.setClipRect(textRect);
    painter_.setPen(canvas_.palette().color(QPalette::Text));
    QTextOption wrapping(Qt::AlignLeft | Qt::AlignTop);
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter_.drawText(QRectF(textRect), text, wrapping);
    painter_.restore();
}

} // namespace targello
