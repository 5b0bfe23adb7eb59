#pragma once

namespace targello::SettingsAccessible {

// Makes Qt's accessibility describe the settings controls as what they are
// (once per program): a drop-down list by its label rather than by the
// colour it shows, the pickers' arrows as a spin box with its position,
// the texture swatch as a button that asks for a texture.
void install();

} // namespace targello::SettingsAccessible
