#include "gui/common/QtColor.h"

namespace targello {

QColor ToQColor(const RgbColor& color) {
    return QColor(color.Red & 0xFF, color.Green & 0xFF, color.Blue & 0xFF);
}

RgbColor ToRgbColor(const QColor& color) {
    return {color.red(), color.green(), color.blue()};
}

} // namespace targello
