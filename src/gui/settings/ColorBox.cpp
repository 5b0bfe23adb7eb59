#include "gui/settings/ColorBox.h"

#include <QPainter>
#include <QPixmap>

namespace targello {

namespace {

enum Role { ColorRole = Qt::UserRole, KindRole };
enum Kind { Named, Custom, Other };

struct NamedColor {
    const char* name;
    QRgb rgb;
};

// The standard colours, in the order colour pickers have always listed them.
constexpr NamedColor StandardColors[] = {
    {"czarny", 0x000000},    {"bordowy", 0x800000},   {"zielony", 0x008000},   {"oliwkowy", 0x808000},
    {"granatowy", 0x000080}, {"purpurowy", 0x800080}, {"morski", 0x008080},    {"szary", 0x808080},
    {"srebrny", 0xC0C0C0},   {"czerwony", 0xFF0000},  {"limonkowy", 0x00FF00}, {"żółty", 0xFFFF00},
    {"niebieski", 0x0000FF}, {"fuksja", 0xFF00FF},    {"turkusowy", 0x00FFFF}, {"biały", 0xFFFFFF},
    {"miętowy", 0xC0DCC0},   {"błękitny", 0xA6CAF0},  {"kremowy", 0xFFFBF0},   {"średnioszary", 0xA0A0A4},
};

QIcon Swatch(const QColor& color) {
    QPixmap pixmap(16, 12);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 15, 11);
    return QIcon(pixmap);
}

} // namespace

ColorBox::ColorBox(ColorChooser chooser, QWidget* parent) : QComboBox(parent), chooser_(std::move(chooser)) {
    for (const NamedColor& named : StandardColors) {
        const QColor color(named.rgb);
        addItem(Swatch(color), QString::fromUtf8(named.name));
        setItemData(count() - 1, color, ColorRole);
        setItemData(count() - 1, Named, KindRole);
    }
    addItem(QStringLiteral("Inny kolor…"));
    setItemData(count() - 1, Other, KindRole);
    setMaxVisibleItems(count() + 1);
    connect(this, &QComboBox::activated, this, &ColorBox::picked);
    setColor(Qt::black);
}

QString ColorBox::colorName(const QColor& color) {
    for (const NamedColor& named : StandardColors)
        if (QColor(named.rgb).rgb() == color.rgb())
            return QString::fromUtf8(named.name);
    return {};
}

void ColorBox::setColor(const QColor& color) {
    color_ = QColor(color.rgb());
    const int named = namedIndex(color_);
    if (named >= 0) {
        dropCustom();
        setCurrentIndex(namedIndex(color_));
    } else {
        showCustom(color_);
        setCurrentIndex(0);
    }
    setToolTip(color_.name(QColor::HexRgb).toUpper());
}

void ColorBox::picked(int index) {
    if (itemData(index, KindRole).toInt() != Other) {
        setColor(itemData(index, ColorRole).value<QColor>());
        emit colorPicked(color_);
        return;
    }
    const std::optional<QColor> chosen = chooser_ ? chooser_(color_) : std::nullopt;
    if (chosen && chosen->isValid()) {
        setColor(*chosen);
        emit colorPicked(color_);
    } else {
        setColor(color_); // back to the colour shown before the dialog
    }
}

int ColorBox::namedIndex(const QColor& color) const {
    for (int k = 0; k < count(); ++k)
        if (itemData(k, KindRole).toInt() == Named &&
            itemData(k, ColorRole).value<QColor>().rgb() == color.rgb())
            return k;
    return -1;
}

bool ColorBox::hasCustom() const {
    return count() > 0 && itemData(0, KindRole).toInt() == Custom;
}

void ColorBox::showCustom(const QColor& color) {
    if (!hasCustom()) {
        insertItem(0, QString());
        setItemData(0, Custom, KindRole);
    }
    setItemIcon(0, Swatch(color));
    setItemText(0, QStringLiteral("własny %1").arg(color.name(QColor::HexRgb).toUpper()));
    setItemData(0, color, ColorRole);
}

void ColorBox::dropCustom() {
    if (hasCustom())
        removeItem(0);
}

} // namespace targello
