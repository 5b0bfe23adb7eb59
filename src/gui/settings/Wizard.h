#pragma once

#include "core/settings/EditedSettings.h"

#include <QDialog>
#include <array>

class QTabWidget;

namespace targello {

class AppContext;
class SettingsControls;
class SpinEdit;

// "Kreator": walks the user through the settings of a shop in five steps,
// with the same controls, pickers, styles and texture as the options dialog.
// It keeps its values to itself until "Zakończ": it reads no page, and the
// options dialog's working copy is untouched until the new page takes them.
class Wizard : public QDialog {
    Q_OBJECT
public:
    static constexpr int StepCount = 5;

    Wizard(AppContext& app, QWidget* parent);
    ~Wizard() override;

    // The step being shown, 1 to 5.
    int wizardStep() const { return step_; }
    bool isStepPageVisible(int step) const;
    // Inverts the visibility of step pages k and k + 1 (for k = 5: 4 and 5).
    void switchStepPages(int k);

    // "Dalej ->", "<- Wstecz" and "Anuluj".
    void next();
    void back();
    void cancel();
    // "Zakończ": a new page with the wizard's settings, stored through the
    // options dialog's OK, and the items asked for in step 3. Refused, with
    // nothing made, when the options dialog would refuse the settings.
    bool finish();

    const EditedSettings& values() const { return values_; }
    // "Wygeneruj w sklepie pozycje:", 0 to 100.
    int itemCount() const;
    SettingsControls& controls() { return *controls_; }

protected:
    void reject() override;

private:
    void restart();
    void showPages();
    QWidget* stepPage(int step);

    AppContext& app_;
    EditedSettings values_;
    SettingsControls* controls_;
    SpinEdit* itemCount_;
    QTabWidget* steps_;
    std::array<bool, StepCount> visible_{true, false, false, false, false};
    int step_ = 1;
};

} // namespace targello
