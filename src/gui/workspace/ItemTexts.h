#pragma once

#include "gui/workspace/ItemField.h"

#include <QString>

namespace targello::ItemTexts {

inline constexpr const char* DescriptionTip = "W tym polu możesz podać krotki opis produktu.";
inline constexpr const char* NameTip = "W tym polu wpisz nazwę dla tego produktu.";
inline constexpr const char* PriceTip = "W tym polu podaj cenę dla tego produktu.";

// The tooltip of a box; a picture's tooltip is its path, which the item holds.
inline QString boxTip(ItemField field) {
    switch (field) {
    case ItemField::Name:
        return QString::fromUtf8(NameTip);
    case ItemField::Price:
        return QString::fromUtf8(PriceTip);
    case ItemField::Description:
        return QString::fromUtf8(DescriptionTip);
    case ItemField::Picture:
        break;
    }
    return {};
}

// What a screen reader calls the control of item k (from 0): "Nazwa produktu 3".
inline QString accessibleName(ItemField field, int k) {
    const char* what = "Obrazek produktu";
    switch (field) {
    case ItemField::Name:
        what = "Nazwa produktu";
        break;
    case ItemField::Price:
        what = "Cena produktu";
        break;
    case ItemField::Description:
        what = "Opis produktu";
        break;
    case ItemField::Picture:
        break;
    }
    return QString::fromUtf8(what) + QLatin1Char(' ') + QString::number(k + 1);
}

// A description keeps its line breaks as CR LF, as the project file and the
// shop page have them; the text box works with LF alone.
inline QString shownLines(const QString& stored) {
    QString shown = stored;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

inline QString storedLines(const QString& shown) {
    QString stored = shownLines(shown);
    stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return stored;
}

} // namespace targello::ItemTexts
