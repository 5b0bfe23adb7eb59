#include "gui/workspace/ItemLayout.h"

#include <QFontMetrics>
#include <QHash>
#include <QLineEdit>

namespace targello {

namespace {

// A single-line box keeps the height the style gives a line edit. Asking a
// real line edit once per font is cheaper and surer than repeating the
// style's arithmetic.
int lineEditHeight(const QFont& font) {
    static QHash<QString, int> heights;
    const QString key = font.key();
    auto found = heights.constFind(key);
    if (found != heights.constEnd())
        return *found;
    QLineEdit prototype;
    prototype.setFont(font);
    const int height = prototype.sizeHint().height();
    heights.insert(key, height);
    return height;
}

QSize fittedSize(const QFontMetrics& metrics, const char* text) {
    const QString label = QString::fromUtf8(text);
    return {metrics.horizontalAdvance(label), metrics.height()};
}

} // namespace

ItemLayout::ItemLayout(const QFont& font) : lineBoxHeight_(lineEditHeight(font)) {
    const QFontMetrics metrics(font);
    nameLabel_ = fittedSize(metrics, labelText(ItemControl::NameLabel));
    descriptionLabel_ = fittedSize(metrics, labelText(ItemControl::DescriptionLabel));
    priceLabel_ = fittedSize(metrics, labelText(ItemControl::PriceLabel));
}

const char* ItemLayout::labelText(ItemControl label) {
    switch (label) {
    case ItemControl::DescriptionLabel:
        return "Opis produktu";
    case ItemControl::NameLabel:
        return "Nazwa produktu";
    case ItemControl::PriceLabel:
        return "Cena produktu";
    default:
        return "";
    }
}

QRect ItemLayout::rect(ItemControl control, QPoint cell) const {
    const int x = cell.x();
    const int y = cell.y();
    switch (control) {
    case ItemControl::Picture:
        return {x, y + 5, PictureWidth, PictureHeight};
    case ItemControl::DescriptionLabel:
        return {QPoint(x + 150, y + 5), descriptionLabel_};
    case ItemControl::DescriptionBox:
        return {x + 150, y + 20, DescriptionWidth, DescriptionHeight};
    case ItemControl::NameLabel:
        return {QPoint(x, y + 105), nameLabel_};
    case ItemControl::NameBox:
        return {x, y + 120, LineBoxWidth, lineBoxHeight_};
    case ItemControl::PriceLabel:
        return {QPoint(x + 150, y + 105), priceLabel_};
    case ItemControl::PriceBox:
        return {x + 150, y + 120, LineBoxWidth, lineBoxHeight_};
    }
    return {};
}

} // namespace targello
