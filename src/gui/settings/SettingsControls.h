#pragma once

#include "core/settings/EditedSettings.h"
#include "gui/settings/ActivationWatch.h"
#include "gui/settings/SettingsWidgets.h"
#include "gui/settings/TextureLoader.h"

#include <QObject>

class QWidget;

namespace targello {

class AppContext;

// The controls that edit one set of shop settings, the same field for field
// in the options dialog and in the wizard, with the pickers, the product
// styles and the texture they share. Every edit goes straight into `edited`;
// showValues() brings the controls back in line with it. The windows only
// arrange the controls (and rename the few that carry other names there).
class SettingsControls : public QObject {
    Q_OBJECT
public:
    enum class Kind {
        Options, // a scheme gives the menu its header colour; links are plain paths
        Wizard,  // a scheme keeps the menu colour; links are file:/// addresses
    };

    SettingsControls(AppContext& app, EditedSettings& edited, Kind kind, QWidget* window);

    const SettingsWidgets& widgets() const { return w_; }
    EditedSettings& edited() { return edited_; }
    // Fires when the user turns to the window (not when a dialog of its own closes).
    ActivationWatch& activation() { return *activation_; }

    // Draws the layout thumbnail of the layout picker's position.
    void showLayoutThumbnail();
    // Applies the colour scheme of the scheme picker's position.
    void applyColorScheme();
    // Applies product style `index` of the style list; a texture that cannot
    // be loaded leaves everything as it was.
    void applyStylePreset(int index);
    // Loads the picture at `path` as texture; on failure shows why and keeps
    // the previous texture.
    bool loadTexture(const QString& path);
    const TextureImages& texture() const { return texture_; }

    // Shows every value of `edited` in its control.
    void showValues();
    // Whether both picture sizes are whole numbers; otherwise says which is not.
    bool checkPictureSizes();
    // Whether the order address can take orders; otherwise says what is wrong.
    bool checkOrderAddress();

private:
    void connectControls();
    void showColors();
    void showSwatch();
    void chooseTexture();
    void chooseBanner();
    void insertLink();
    QString chooseFile(const QString& caption, const QString& filter);
    void showError(const QString& text);

    AppContext& app_;
    EditedSettings& edited_;
    Kind kind_;
    QWidget* window_;
    ActivationWatch* activation_;
    TextureImages texture_ = TextureImages::blank();
    SettingsWidgets w_{};
};

} // namespace targello
