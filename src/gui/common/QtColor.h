#pragma once

#include "core/settings/RgbColor.h"

#include <QColor>

namespace targello {

// The one conversion between the shop's colours and Qt's. A component out of
// 0..255 (only a damaged project file can hold one) keeps its lowest byte, as
// the packed form of a colour picker does, so that the options dialog, the
// page and the thumbnails always show the same colour.
QColor ToQColor(const RgbColor& color);
RgbColor ToRgbColor(const QColor& color);

} // namespace targello
