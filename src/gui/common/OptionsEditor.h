#pragma once

class QImage;
class QString;

namespace targello {

struct EditedSettings;

// The options dialog as the commands outside it see it: it shows the current
// page's settings, stores them back and holds the texture of the row bands.
class OptionsEditor {
public:
    virtual ~OptionsEditor() = default;

    // Fills the working copy and the controls from the current page.
    virtual void loadPageIntoOptions() = 0;
    // Stores the working copy in the current page and shows it there.
    virtual bool applyOptionsToPage() = 0;
    // Shows `values` as the working copy and stores them as OK does, with
    // the same checks: a new shop made elsewhere gets exactly what the
    // dialog would have given it.
    virtual bool applyValuesToPage(const EditedSettings& values) = 0;
    // Loads the picture at `path` as the current texture; on failure the error
    // is shown and the previous texture stays.
    virtual bool loadTexture(const QString& path) = 0;
    // The 1200 × 150 strip tiled from the texture, for the page's row bands.
    virtual const QImage& textureStrip() const = 0;

protected:
    OptionsEditor() = default;
    OptionsEditor(const OptionsEditor&) = default;
    OptionsEditor& operator=(const OptionsEditor&) = default;
};

} // namespace targello
