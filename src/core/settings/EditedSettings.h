#pragma once

#include "core/settings/ShopSettings.h"

#include <string>

namespace targello {

// The tooltip of the texture swatch before any texture is loaded. The dialog
// stores the swatch's tooltip as the texture path, so this text is what a
// page gets when the texture is switched on before one was loaded.
inline constexpr const char* TextureSwatchPrompt = "kliknij 2x aby wczytać teksturę";

// The options dialog's working copy of the current page's settings. It lives
// from start to end of the program, independently of any page. Values.TexturePath
// is the path of the texture last loaded into the dialog (the swatch's tooltip);
// the texture picture itself belongs to the dialog.
struct EditedSettings {
    ShopSettings Values;

    // The values before any page exists.
    static EditedSettings initial();
};

// Shows a page's settings in the working copy. The texture is left as it is:
// the dialog keeps showing the texture it loaded last. A spin edit cannot show
// a picture size outside 0 to 300, so those come in at the nearer end.
void LoadPageIntoOptions(const ShopSettings& page, EditedSettings& edited);

// Stores the working copy in a page. The row colours are stored only without
// a texture, the texture path only with one, so that switching the texture on
// keeps the page's colours and switching it off keeps its texture path.
void ApplyOptionsToPage(const EditedSettings& edited, ShopSettings& page);

int ClampPictureSize(int value);

} // namespace targello
