#pragma once

#include <QColor>
#include <QComboBox>
#include <functional>
#include <optional>

namespace targello {

// A colour picker: the named standard colours with their Polish names, a
// custom colour when the current one is none of them, and "Inny kolor…",
// which asks the desktop's colour dialog for any other colour.
class ColorBox : public QComboBox {
    Q_OBJECT
public:
    using ColorChooser = std::function<std::optional<QColor>(const QColor& initial)>;

    ColorBox(ColorChooser chooser, QWidget* parent = nullptr);

    QColor color() const { return color_; }
    // Shows `color` without emitting colorPicked.
    void setColor(const QColor& color);
    // The Polish name of a standard colour, or an empty text for any other.
    static QString colorName(const QColor& color);

signals:
    // The user chose a colour from the list or from the colour dialog.
    void colorPicked(const QColor& color);

private:
    void picked(int index);
    int namedIndex(const QColor& color) const;
    void showCustom(const QColor& color);
    void dropCustom();
    bool hasCustom() const;

    ColorChooser chooser_;
    QColor color_;
};

} // namespace targello
