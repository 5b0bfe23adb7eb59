#include "core/settings/StylePresets.h"

namespace targello {

const std::array<StylePreset, StylePresetCount>& StylePresets() {
    static const RgbColor none{};
    static const std::array<StylePreset, StylePresetCount> presets{{
        {"1 kolumna pajęczyna", 1, "textury/pajęczyna.jpg", none, none},
        {"1 kolumna koniczynka", 1, "textury/koniczynka.jpg", none, none},
        {"2 kolumny witraż", 2, "textury/witraż.jpg", none, none},
        {"2 kolumny siatka", 2, "textury/siatka1.jpg", none, none},
        {"3 kolumny gwiazdki", 3, "textury/gwiazdki.jpg", none, none},
        {"3 kolumny kryształy", 3, "textury/kryształki3.jpg", none, none},
        {"4 kolumny nutki", 4, "textury/nutki.jpg", none, none},
        // The trailing blank is part of the caption users have always seen.
        {"4 kolumny trybiki ", 4, "textury/tryby.jpg", none, none},
        {"1 kolumny błękitne niebo", 1, "", RgbColor::fromHex("#E8F5FF"), RgbColor::fromHex("#CFDFF1")},
        {"2 kolumny zielona łąka", 2, "", RgbColor::fromHex("#A0E0B6"), RgbColor::fromHex("#ECFFEF")},
        {"3 kolumny kremowo fioletowy", 3, "", RgbColor::fromHex("#FFFCF6"), RgbColor::fromHex("#EEEDF8")},
        {"4 kolumny czekolada", 4, "", RgbColor::fromHex("#DACFBC"), RgbColor::fromHex("#B7AB9B")},
    }};
    return presets;
}

const std::array<std::string_view, TextureCount>& TextureFiles() {
    static const std::array<std::string_view, TextureCount> files{
        "textury/pajęczyna.jpg", "textury/koniczynka.jpg",  "textury/witraż.jpg", "textury/siatka1.jpg",
        "textury/gwiazdki.jpg",  "textury/kryształki3.jpg", "textury/nutki.jpg",  "textury/tryby.jpg",
    };
    return files;
}

const std::array<std::string_view, BasketCaptionCount>& BasketCaptionSuggestions() {
    static const std::array<std::string_view, BasketCaptionCount> captions{
        "kupuję", "do koszyka", "wrzuć", "dodaj do koszyka", "wrzuć do koszyka", "zamawiam", "rezerwuję",
    };
    return captions;
}

void ApplyStylePreset(const StylePreset& preset, ShopSettings& settings) {
    settings.ProductColumns = preset.Columns;
    settings.UseTexture = preset.UsesTexture();
    if (!preset.UsesTexture()) {
        settings.RowColor1 = preset.RowColor1;
        settings.RowColor2 = preset.RowColor2;
    }
}

} // namespace targello
