#pragma once

#include <QImage>
#include <QString>

namespace targello {

// The program's own pictures, drawn at run time so that no binary artwork
// has to be kept in step with the code.
class Artwork {
public:
    enum class Glyph {
        NewProject,
        OpenProject,
        SaveProject,
        SaveHtml,
        InsertItem,
        RemoveItem,
        Preview,
        Settings,
        Cascade,
        TileHorizontal,
        TileVertical,
        About,
        Help,
        WebSite,
        Exit,
        Wizard,
    };

    // A 32 × 32 toolbar glyph.
    static QImage glyph(Glyph glyph);
    // The 177 × 169 tile laid over the main window's background.
    static QImage backgroundTile();
    // The about box's 128 × 160 product picture.
    static QImage aboutPicture();
    // The program's icon, for windows and the desktop entry.
    static QImage programIcon(int size);
};

} // namespace targello
