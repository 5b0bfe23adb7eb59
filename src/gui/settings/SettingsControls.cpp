#include "gui/settings/SettingsControls.h"

#include "core/settings/ColorSchemes.h"
#include "core/settings/OrderAddress.h"
#include "core/settings/StylePresets.h"
#include "core/workspace/ShopWorkspace.h"
#include "gui/common/AppContext.h"
#include "gui/common/FolderMemory.h"
#include "gui/common/DataLocation.h"
#include "gui/common/QtColor.h"
#include "gui/platform/Platform.h"
#include "gui/settings/FileChecks.h"
#include "gui/settings/LinkGrid.h"
#include "gui/settings/SpinEdit.h"
#include "gui/settings/TextureSwatch.h"
#include "gui/settings/ThumbnailPicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <memory>
#include <vector>

namespace targello {

namespace {

// The colour each colour box edits, ColorBox1 to ColorBox6.
RgbColor& ColorField(ShopSettings& v, int box) {
    RgbColor* fields[] = {&v.RowColor1,     &v.RowColor2,   &v.HeaderColor,
                          &v.MenuBackColor, &v.FooterColor, &v.MenuColor};
    return *fields[box];
}

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

void ShowText(QLineEdit* edit, const std::string& utf8) {
    if (edit->text() == Text(utf8))
        return;
    edit->setText(Text(utf8));
    // A long text shows its beginning, not the end where setText leaves the caret.
    edit->setCursorPosition(0);
}

QStringList LinkTitles(SettingsControls::Kind kind) {
    if (kind == SettingsControls::Kind::Wizard)
        return {QString(), QString()};
    return {QStringLiteral("Nazwa Linku"), QStringLiteral("Ścieżka Linku")};
}

} // namespace

SettingsControls::SettingsControls(AppContext& app, EditedSettings& edited, Kind kind, QWidget* window)
    : QObject(window), app_(app), edited_(edited), kind_(kind), window_(window),
      activation_(new ActivationWatch(window)) {
    auto chooser = [this](const QColor& initial) {
        const ActivationWatch::OwnDialog own(*activation_);
        return app_.platform().chooseColor(window_, initial);
    };
    w_ = CreateSettingsWidgets(window, chooser, LinkTitles(kind));
    connectControls();
    showValues();
}

void SettingsControls::connectControls() {
    ShopSettings& v = edited_.Values;
    connect(w_.layoutPicker, &ThumbnailPicker::clicked, this, [this, &v](int position) {
        v.PageLayout = position;
        showLayoutThumbnail();
    });
    connect(w_.schemePicker, &ThumbnailPicker::clicked, this, &SettingsControls::applyColorScheme);
    connect(w_.bannerHeader, &QRadioButton::toggled, this, [&v](bool on) { v.HeaderKind = on; });
    connect(w_.shopTitle, &QLineEdit::textChanged, this,
            [&v](const QString& t) { v.ShopTitle = t.toStdString(); });
    connect(w_.bannerPath, &QLineEdit::textChanged, this,
            [&v](const QString& t) { v.BannerPath = t.toStdString(); });
    connect(w_.orderEmail, &QLineEdit::textChanged, this,
            [&v](const QString& t) { v.OrderEmail = t.toStdString(); });
    for (int k = 0; k < 6; ++k)
        connect(w_.colors[static_cast<std::size_t>(k)], &ColorBox::colorPicked, this,
                [&v, k](const QColor& c) { ColorField(v, k) = ToRgbColor(c); });
    connect(w_.styles, &QComboBox::activated, this, &SettingsControls::applyStylePreset);
    connect(w_.columns, &QComboBox::currentIndexChanged, this, [&v](int index) {
        if (index >= 0)
            v.ProductColumns = index + 1;
    });
    connect(w_.basketCaption, &QComboBox::editTextChanged, this,
            [&v](const QString& t) { v.BasketCaption = t.toStdString(); });
    connect(w_.useTexture, &QCheckBox::toggled, this, [&v](bool on) { v.UseTexture = on; });
    connect(w_.modernPage, &QCheckBox::toggled, this, [&v](bool on) { v.ModernPage = on; });
    connect(w_.pictureWidth, &SpinEdit::textChanged, this,
            [this, &v] { v.PictureWidth = w_.pictureWidth->value(); });
    connect(w_.pictureHeight, &SpinEdit::textChanged, this,
            [this, &v] { v.PictureHeight = w_.pictureHeight->value(); });
    connect(w_.links, &LinkGrid::linkEdited, this, [&v](int row, int column, const QString& text) {
        MenuLink& link = v.MenuLinks[static_cast<std::size_t>(row - 1)];
        (column == LinkGrid::NameColumn ? link.Name : link.Path) = text.toStdString();
    });
    connect(w_.invoiceAndShipping, &QRadioButton::toggled, this, [&v](bool on) { v.OrderFormKind = on; });
    connect(w_.swatch, &TextureSwatch::doubleClicked, this, &SettingsControls::chooseTexture);
    connect(w_.textureButton, &QPushButton::clicked, this, &SettingsControls::chooseTexture);
    connect(w_.bannerButton, &QToolButton::clicked, this, &SettingsControls::chooseBanner);
    connect(w_.insertLink, &QPushButton::clicked, this, &SettingsControls::insertLink);
}

void SettingsControls::showLayoutThumbnail() {
    w_.layoutPicker->showThumbnail();
}

void SettingsControls::applyColorScheme() {
    const MenuColorRule rule =
        kind_ == Kind::Options ? MenuColorRule::FollowHeader : MenuColorRule::KeepMenuColor;
    ApplyColorScheme(w_.schemePicker->position(), edited_.Values, rule);
    w_.schemePicker->showThumbnail();
    showColors();
}

void SettingsControls::applyStylePreset(int index) {
    if (index < 0 || index >= StylePresetCount)
        return;
    const StylePreset& preset = StylePresets()[static_cast<std::size_t>(index)];
    if (preset.UsesTexture()) {
        const QString startDirectory = Text(app_.workspace().StartDirectory());
        const QString texture =
            QString::fromUtf8(preset.Texture.data(), static_cast<qsizetype>(preset.Texture.size()));
        if (!loadTexture(LocateDataFile(startDirectory, texture)))
            return;
    }
    ApplyStylePreset(preset, edited_.Values);
    showValues();
}

bool SettingsControls::loadTexture(const QString& path) {
    const QString problem = LoadTexture(path, Text(app_.workspace().StartDirectory()), texture_);
    if (!problem.isEmpty()) {
        showError(problem);
        return false;
    }
    edited_.Values.TexturePath = path.toStdString();
    showSwatch();
    return true;
}

void SettingsControls::showValues() {
    const ShopSettings& v = edited_.Values;
    const QList<QObject*> controls{w_.layoutPicker,  w_.schemePicker, w_.textHeader,         w_.bannerHeader,
                                   w_.shopTitle,     w_.bannerPath,   w_.orderEmail,         w_.columns,
                                   w_.basketCaption, w_.useTexture,   w_.pictureWidth,       w_.pictureHeight,
                                   w_.links,         w_.invoiceOnly,  w_.invoiceAndShipping, w_.modernPage};
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QObject* control : controls)
        blockers.push_back(std::make_unique<QSignalBlocker>(control));
    w_.links->showLinks(v.MenuLinks);
    showColors();
    w_.layoutPicker->setPosition(v.PageLayout);
    w_.schemePicker->setPosition(v.ColorScheme);
    w_.pictureWidth->showValue(v.PictureWidth);
    w_.pictureHeight->showValue(v.PictureHeight);
    w_.invoiceAndShipping->setChecked(v.OrderFormKind);
    w_.invoiceOnly->setChecked(!v.OrderFormKind);
    w_.columns->setCurrentIndex(v.ProductColumns >= 1 && v.ProductColumns <= 4 ? v.ProductColumns - 1 : -1);
    w_.useTexture->setChecked(v.UseTexture);
    w_.modernPage->setChecked(v.ModernPage);
    (v.HeaderKind ? w_.bannerHeader : w_.textHeader)->setChecked(true);
    ShowText(w_.shopTitle, v.ShopTitle);
    ShowText(w_.bannerPath, v.BannerPath);
    if (w_.basketCaption->currentText() != Text(v.BasketCaption))
        w_.basketCaption->setEditText(Text(v.BasketCaption));
    ShowText(w_.orderEmail, v.OrderEmail);
    showSwatch();
}

void SettingsControls::showColors() {
    for (int k = 0; k < 6; ++k)
        w_.colors[static_cast<std::size_t>(k)]->setColor(ToQColor(ColorField(edited_.Values, k)));
}

void SettingsControls::showSwatch() {
    w_.swatch->showSwatch(texture_.swatch);
    w_.swatch->setToolTip(Text(edited_.Values.TexturePath));
}

bool SettingsControls::checkPictureSizes() {
    const struct {
        SpinEdit* edit;
        const char* what;
    } sizes[] = {{w_.pictureWidth, "Szerokość"}, {w_.pictureHeight, "Wysokość"}};
    for (const auto& size : sizes) {
        if (!size.edit->typedValue()) {
            showError(QStringLiteral("%1 obrazka „%2” nie jest liczbą całkowitą.")
                          .arg(QString::fromUtf8(size.what), size.edit->text()));
            size.edit->setFocus();
            return false;
        }
    }
    return true;
}

bool SettingsControls::checkOrderAddress() {
    const std::string message = OrderAddressMessage(edited_.Values.OrderEmail);
    if (message.empty())
        return true;
    showError(QString::fromStdString(message));
    w_.orderEmail->setFocus();
    return false;
}

void SettingsControls::chooseTexture() {
    const QString path = chooseFile(QStringLiteral("Wczytaj teksturę"), PictureFileFilter());
    if (!path.isEmpty())
        loadTexture(path);
}

void SettingsControls::chooseBanner() {
    const QString path = chooseFile(QStringLiteral("Wstaw grafikę (baner firmy)"), BannerFileFilter());
    if (path.isEmpty())
        return;
    w_.bannerPath->setText(path);
    w_.bannerPath->setCursorPosition(0);
}

void SettingsControls::insertLink() {
    const QString path = chooseFile(QStringLiteral("Wstaw link"), LinkFileFilter());
    if (!path.isEmpty())
        w_.links->setLinkPath(w_.links->selectedLinkRow(), kind_ == Kind::Wizard ? FileAddress(path) : path);
}

// A chosen file that cannot be read is refused here, with the reason, so
// that no setting ever names it.
QString SettingsControls::chooseFile(const QString& caption, const QString& filter) {
    QString path;
    {
        const ActivationWatch::OwnDialog own(*activation_);
        path = app_.platform().openFileName(window_, caption, filter, LastFolder(caption));
    }
    if (path.isEmpty())
        return {};
    RememberFolder(caption, path);
    path = QDir::toNativeSeparators(path);
    const QString problem = UnreadableFileProblem(path);
    if (!problem.isEmpty()) {
        showError(problem);
        return {};
    }
    return path;
}

void SettingsControls::showError(const QString& text) {
    const ActivationWatch::OwnDialog own(*activation_);
    app_.platform().showError(window_, text);
}

} // namespace targello
