#include "gui/settings/OptionsDialog.h"

#include "core/workspace/ShopWorkspace.h"
#include "gui/common/AppContext.h"
#include "gui/platform/Platform.h"
#include "gui/settings/PageBands.h"
#include "gui/settings/SellingPage.h"
#include "gui/settings/SettingsControls.h"
#include "gui/settings/SettingsLayouts.h"
#include "gui/settings/ShopWebFields.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace targello {

namespace {

QWidget* Tab(QLayout* content) {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(content);
    layout->addStretch();
    return tab;
}

QVBoxLayout* Column() {
    return new QVBoxLayout;
}

} // namespace

OptionsDialog::OptionsDialog(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("Opcje"));
    setWindowTitle(QStringLiteral("Opcje"));
    setModal(false);
    controls_ = new SettingsControls(app, app.editedSettings(), SettingsControls::Kind::Options, this);
    web_ = new ShopWebFields(app.editedSettings().Values);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    tabs_->addTab(styleTab(), QStringLiteral("Styl sklepu"));
    tabs_->addTab(headerTab(), QStringLiteral("Nagłówek sklepu"));
    tabs_->addTab(productTab(), QStringLiteral("Układ Produktów"));
    tabs_->addTab(menuTab(), QStringLiteral("Menu strony"));
    tabs_->addTab(orderTab(), QStringLiteral("Formularz Zamówienia"));
    selling_ = new SellingPage(app.editedSettings().Values, this);
    tabs_->addTab(selling_, QStringLiteral("Sprzedaż"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    ok->setMinimumSize(89, 33);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::applyOptionsToPage);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(&controls_->activation(), &ActivationWatch::activated, this, &OptionsDialog::loadPageIntoOptions);
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::loadPageIntoOptions() {
    const ShopPage* page = app_.workspace().Current();
    if (page == nullptr)
        return;
    LoadPageIntoOptions(page->Settings, app_.editedSettings());
    controls_->showValues();
    web_->showValues();
    selling_->showValues();
    controlsBehind_ = false;
}

void OptionsDialog::followCurrentPage() {
    if (isVisible()) {
        loadPageIntoOptions();
        return;
    }
    const ShopPage* page = app_.workspace().Current();
    if (page == nullptr)
        return;
    LoadPageIntoOptions(page->Settings, app_.editedSettings());
    controlsBehind_ = true;
}

void OptionsDialog::catchUpControls() {
    if (!controlsBehind_)
        return;
    controls_->showValues();
    web_->showValues();
    selling_->showValues();
    controlsBehind_ = false;
}

void OptionsDialog::showEvent(QShowEvent* event) {
    catchUpControls();
    QDialog::showEvent(event);
}

bool OptionsDialog::applyOptionsToPage() {
    ShopPage* page = app_.workspace().Current();
    if (page == nullptr) {
        hide();
        return false;
    }
    catchUpControls();
    if (!controls_->checkPictureSizes() || !controls_->checkOrderAddress())
        return false;
    if (const QString problem = selling_->problem(); !problem.isEmpty()) {
        app_.platform().showError(this, problem);
        return false;
    }
    page->ApplyOptions(app_.editedSettings());
    ShowPageSettings(app_, textureStrip());
    hide();
    emit optionsApplied();
    return true;
}

bool OptionsDialog::applyValuesToPage(const EditedSettings& values) {
    app_.editedSettings() = values;
    controls_->showValues();
    controlsBehind_ = false;
    if (values.Values.UseTexture && !loadTexture(QString::fromStdString(values.Values.TexturePath)))
        return false;
    return applyOptionsToPage();
}

bool OptionsDialog::loadTexture(const QString& path) {
    return controls_->loadTexture(path);
}

const QImage& OptionsDialog::textureStrip() const {
    return controls_->texture().strip;
}

QWidget* OptionsDialog::styleTab() {
    QVBoxLayout* column = Column();
    column->addLayout(SettingsLayouts::TemplatePickers(controls_->widgets()));
    column->addSpacing(12);
    column->addLayout(SettingsLayouts::ModernPage(controls_->widgets()));
    column->addWidget(web_);
    return Tab(column);
}

QWidget* OptionsDialog::headerTab() {
    QVBoxLayout* column = Column();
    column->addWidget(SettingsLayouts::Header(controls_->widgets()));
    return Tab(column);
}

QWidget* OptionsDialog::productTab() {
    const SettingsWidgets& w = controls_->widgets();
    auto* columns = new QHBoxLayout;
    QVBoxLayout* left = Column();
    left->addLayout(SettingsLayouts::ProductStyle(w));
    left->addLayout(SettingsLayouts::Texture(w));
    columns->addLayout(left);
    columns->addWidget(SettingsLayouts::PictureSize(w.pictureWidth, w.pictureHeight, true), 0, Qt::AlignTop);
    return Tab(columns);
}

QWidget* OptionsDialog::menuTab() {
    const SettingsWidgets& w = controls_->widgets();
    QVBoxLayout* column = Column();
    column->addWidget(SettingsLayouts::Links(w));
    column->addWidget(SettingsLayouts::MenuColors(w));
    return Tab(column);
}

QWidget* OptionsDialog::orderTab() {
    const SettingsWidgets& w = controls_->widgets();
    QVBoxLayout* column = Column();
    column->addLayout(SettingsLayouts::LabelOver(
        QStringLiteral("adres e-mail na który będzie przesyłane zamówienie"), w.orderEmail));
    column->addWidget(SettingsLayouts::OrderKind(w));
    column->addWidget(SettingsLayouts::Footer(w));
    return Tab(column);
}

} // namespace targello
