#include "gui/settings/Wizard.h"

#include "core/workspace/ShopPage.h"
#include "gui/common/AppContext.h"
#include "gui/common/OptionsEditor.h"
#include "gui/common/PageView.h"
#include "gui/settings/LinkGrid.h"
#include "gui/settings/SellerFields.h"
#include "gui/settings/SettingsControls.h"
#include "gui/settings/SpinEdit.h"
#include "gui/settings/WizardPages.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace targello {

namespace {

// The wizard's own starting values; it never sees a page's.
EditedSettings StartingValues() {
    EditedSettings start = EditedSettings::initial();
    ShopSettings& v = start.Values;
    v.RowColor1 = v.HeaderColor = v.FooterColor = RgbColor::fromHex("#FFFBF0");
    v.RowColor2 = RgbColor::fromHex("#EEEDF8");
    v.MenuBackColor = RgbColor::fromHex("#000080");
    v.MenuColor = RgbColor::fromHex("#A6CAF0");
    v.ProductColumns = 0; // no column layout chosen yet
    v.BasketCaption.clear();
    v.HeaderKind = true;
    // A shop begun here is meant for today's visitors, most of them on phones.
    v.ModernPage = true;
    return start;
}

QPushButton* Button(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

Wizard::Wizard(AppContext& app, QWidget* parent) : QDialog(parent), app_(app), values_(StartingValues()) {
    setObjectName(QStringLiteral("Kreator"));
    setWindowTitle(QStringLiteral("Kreator"));
    setModal(false);
    controls_ = new SettingsControls(app, values_, SettingsControls::Kind::Wizard, this);
    const SettingsWidgets& w = controls_->widgets();
    w.bannerButton->setObjectName(QStringLiteral("Button3"));
    w.insertLink->setObjectName(QStringLiteral("Button14"));
    w.insertLink->setText(QStringLiteral("Wstaw Link"));
    w.pictureWidth->setObjectName(QStringLiteral("CSpinEdit2"));
    w.pictureHeight->setObjectName(QStringLiteral("CSpinEdit3"));
    w.links->setColumnWidth(LinkGrid::NameColumn, 96);
    w.links->setMinimumWidth(96 + 177 + 4);
    itemCount_ = new SpinEdit(0, 100, this);
    itemCount_->setObjectName(QStringLiteral("CSpinEdit1"));

    steps_ = new QTabWidget(this);
    steps_->setObjectName(QStringLiteral("PageControl1"));
    for (int step = 1; step <= StepCount; ++step)
        steps_->addTab(stepPage(step), WizardPages::Caption(step));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(steps_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    showPages();
    connect(&controls_->activation(), &ActivationWatch::activated, this, &Wizard::restart);
}

Wizard::~Wizard() = default;

QWidget* Wizard::stepPage(int step) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(WizardPages::Contents(step, controls_->widgets(), itemCount_));
    if (step == StepCount) // the seller is named once, where the shop is made
        layout->addWidget(new SellerFields(values_.Values.Selling, page));
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (step > 1) {
        QPushButton* backButton =
            Button(QStringLiteral("<- Wstecz"), QStringLiteral("Wstecz%1").arg(step), page);
        connect(backButton, &QPushButton::clicked, this, &Wizard::back);
        buttons->addWidget(backButton);
    }
    QPushButton* forward = nullptr;
    if (step < StepCount) {
        forward = Button(QStringLiteral("Dalej ->"), QStringLiteral("Dalej%1").arg(step), page);
        connect(forward, &QPushButton::clicked, this, &Wizard::next);
    } else {
        forward = Button(QStringLiteral("Zakończ"), QStringLiteral("Zakoncz"), page);
        connect(forward, &QPushButton::clicked, this, &Wizard::finish);
    }
    forward->setDefault(true);
    buttons->addWidget(forward);
    QPushButton* cancelButton = Button(QStringLiteral("Anuluj"), QStringLiteral("Anuluj%1").arg(step), page);
    connect(cancelButton, &QPushButton::clicked, this, &Wizard::cancel);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    return page;
}

bool Wizard::isStepPageVisible(int step) const {
    return step >= 1 && step <= StepCount && visible_[static_cast<std::size_t>(step - 1)];
}

void Wizard::switchStepPages(int k) {
    if (k < 1 || k > StepCount)
        return;
    const int first = k == StepCount ? StepCount - 1 : k;
    for (int step : {first, first + 1})
        visible_[static_cast<std::size_t>(step - 1)] = !visible_[static_cast<std::size_t>(step - 1)];
    showPages();
}

void Wizard::next() {
    if (step_ >= StepCount)
        return;
    switchStepPages(step_);
    ++step_;
}

void Wizard::back() {
    if (step_ <= 1)
        return;
    --step_;
    switchStepPages(step_);
}

void Wizard::cancel() {
    restart();
    hide();
}

void Wizard::reject() {
    cancel();
}

bool Wizard::finish() {
    // Checked before the page exists, so that a refusal leaves nothing behind.
    if (!controls_->checkPictureSizes() || !controls_->checkOrderAddress())
        return false;
    PageView* window = app_.newPage();
    if (window == nullptr)
        return false;
    ShopPage& page = window->page();
    EditedSettings chosen = values_;
    // Without a column layout chosen the page keeps the one it was made with.
    if (chosen.Values.ProductColumns < 1)
        chosen.Values.ProductColumns = page.Settings.ProductColumns;
    if (!app_.options().applyValuesToPage(chosen))
        return false;
    for (int k = 0; k < itemCount(); ++k)
        page.InsertItem();
    window->relayout();
    window->focusItem(0);
    restart();
    hide();
    return true;
}

int Wizard::itemCount() const {
    return itemCount_->value();
}

// Step 1 again, with every value entered so far kept.
void Wizard::restart() {
    step_ = 1;
    visible_ = {true, false, false, false, false};
    showPages();
}

void Wizard::showPages() {
    int current = -1;
    for (int k = 0; k < StepCount; ++k) {
        steps_->setTabVisible(k, visible_[static_cast<std::size_t>(k)]);
        if (current < 0 && visible_[static_cast<std::size_t>(k)])
            current = k;
    }
    if (current >= 0)
        steps_->setCurrentIndex(current);
}

} // namespace targello
