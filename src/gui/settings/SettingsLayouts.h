#pragma once

#include <QString>

class QGroupBox;
class QLayout;
class QWidget;

namespace targello {

struct SettingsWidgets;
class SpinEdit;

// The groups of controls that the options dialog and the wizard both show,
// arranged the same way in both.
namespace SettingsLayouts {

// `text` over `field`, the label naming the field for the keyboard and screen readers.
QLayout* LabelOver(const QString& text, QWidget* field);
// The two pickers of the page template: layout, then colour scheme.
QLayout* TemplatePickers(const SettingsWidgets& w);
// The choice of the modern page, with a word on what it is.
QLayout* ModernPage(const SettingsWidgets& w);
// The header: shop name or banner, and the header colour.
QGroupBox* Header(const SettingsWidgets& w);
// Product style, row colours, columns and the basket button's caption.
QLayout* ProductStyle(const SettingsWidgets& w);
// The swatch, the texture button and the texture checkbox.
QLayout* Texture(const SettingsWidgets& w);
// "Wymiary obrazka": the picture's width and height.
QGroupBox* PictureSize(SpinEdit* width, SpinEdit* height, bool withSample);
// "Linki menu": the link grid and its button.
QGroupBox* Links(const SettingsWidgets& w);
QGroupBox* MenuColors(const SettingsWidgets& w);
QGroupBox* OrderKind(const SettingsWidgets& w);
QGroupBox* Footer(const SettingsWidgets& w);

} // namespace SettingsLayouts

} // namespace targello
