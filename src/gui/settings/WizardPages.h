#pragma once

#include <QString>

class QLayout;
class QWidget;

namespace targello {

struct SettingsWidgets;
class SpinEdit;

// The contents of the wizard's five step pages, above their buttons.
namespace WizardPages {

QString Caption(int step);
QLayout* Contents(int step, const SettingsWidgets& w, SpinEdit* itemCount);

} // namespace WizardPages

} // namespace targello
