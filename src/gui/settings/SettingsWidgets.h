#pragma once

#include "gui/settings/ColorBox.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

namespace targello {

class LinkGrid;
class SpinEdit;
class TextureSwatch;
class ThumbnailPicker;

// The named controls of a settings window, by what they edit. The names are
// those of the options dialog; the wizard renames the few that differ.
struct SettingsWidgets {
    ThumbnailPicker* layoutPicker;    // Image4 with UpDown1
    ThumbnailPicker* schemePicker;    // Image5 with UpDown2
    QRadioButton* textHeader;         // RadioButton1
    QRadioButton* bannerHeader;       // RadioButton2
    QLineEdit* shopTitle;             // LabeledEdit1
    QLineEdit* bannerPath;            // LabeledEdit2, read-only
    QToolButton* bannerButton;        // Button1 "..."
    QLineEdit* orderEmail;            // LabeledEdit3
    std::array<ColorBox*, 6> colors;  // ColorBox1 to ColorBox6
    QComboBox* styles;                // ComboBox2
    QComboBox* columns;               // ComboBox1
    QComboBox* basketCaption;         // ComboBox3
    TextureSwatch* swatch;            // ImageBufer
    QPushButton* textureButton;       // SpeedButton2
    QCheckBox* useTexture;            // CheckBox1
    SpinEdit* pictureWidth;           // CSpinEdit1 "Szer."
    SpinEdit* pictureHeight;          // CSpinEdit2 "Wys."
    LinkGrid* links;                  // StringGrid1
    QPushButton* insertLink;          // Button3 "wstaw link"
    QRadioButton* invoiceOnly;        // RadioButton3
    QRadioButton* invoiceAndShipping; // RadioButton4
    QCheckBox* modernPage;            // NowoczesnaBox: the page for phones and computers
};

// Creates the controls as children of `parent`, with their names, texts and
// lists; `linkTitles` heads the link grid's columns.
SettingsWidgets CreateSettingsWidgets(QWidget* parent, const ColorBox::ColorChooser& chooser,
                                      const QStringList& linkTitles);

} // namespace targello
