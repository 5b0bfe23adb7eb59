#pragma once

#include "core/settings/RgbColor.h"
#include "core/settings/ShopSettings.h"

#include <array>
#include <string_view>

namespace targello {

// A product style: the column count and either a texture or two row colours.
// The style itself is not stored anywhere; choosing one fills these fields.
struct StylePreset {
    std::string_view Caption;
    int Columns;
    // The texture below the data folder ("textury/…", UTF-8), or empty for a
    // style with row colours.
    std::string_view Texture;
    RgbColor RowColor1;
    RgbColor RowColor2;

    bool UsesTexture() const { return !Texture.empty(); }
};

inline constexpr int StylePresetCount = 12;
inline constexpr int TextureCount = 8;
inline constexpr int BasketCaptionCount = 7;

// The styles in the order of the style list.
const std::array<StylePreset, StylePresetCount>& StylePresets();

// The texture files the styles name, relative to the data folder.
const std::array<std::string_view, TextureCount>& TextureFiles();

// Suggestions for the caption of the add-to-basket button; any text may be typed.
const std::array<std::string_view, BasketCaptionCount>& BasketCaptionSuggestions();

// Sets the fields a style decides. A texture style switches the texture on
// and keeps the row colours; the texture itself must have been loaded by the
// caller first, so that a texture that fails to load changes nothing.
void ApplyStylePreset(const StylePreset& preset, ShopSettings& settings);

} // namespace targello
