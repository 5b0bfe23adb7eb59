#include "gui/settings/SettingsWidgets.h"

#include "core/settings/ColorSchemes.h"
#include "core/settings/StylePresets.h"
#include "gui/settings/LinkGrid.h"
#include "gui/settings/SettingsAccessible.h"
#include "gui/settings/SpinEdit.h"
#include "gui/settings/TextureSwatch.h"
#include "gui/settings/ThumbnailPicker.h"
#include "gui/settings/Thumbnails.h"
#include "gui/settings/UpDown.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace targello {

namespace {

template <class W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QRadioButton* Radio(QWidget* parent, const char* name, const QString& text, const QString& accessibleName) {
    auto* radio = Named(new QRadioButton(text, parent), name);
    radio->setAccessibleName(accessibleName);
    return radio;
}

QComboBox* DropDownList(QWidget* parent, const char* name, const QStringList& items) {
    auto* list = Named(new QComboBox(parent), name);
    list->addItems(items);
    list->setCurrentIndex(-1);
    return list;
}

void CreatePickers(SettingsWidgets& w, QWidget* parent) {
    w.layoutPicker = new ThumbnailPicker(4, &Thumbnails::layout, parent);
    w.layoutPicker->image()->setObjectName(QStringLiteral("Image4"));
    w.layoutPicker->upDown()->setObjectName(QStringLiteral("UpDown1"));
    w.layoutPicker->upDown()->setAccessibleNames(
        QStringLiteral("Układ Strony"), QStringLiteral("Następny układ"), QStringLiteral("Poprzedni układ"));
    w.schemePicker = new ThumbnailPicker(ColorSchemeCount, &Thumbnails::scheme, parent);
    w.schemePicker->image()->setObjectName(QStringLiteral("Image5"));
    w.schemePicker->upDown()->setObjectName(QStringLiteral("UpDown2"));
    w.schemePicker->upDown()->setAccessibleNames(QStringLiteral("Kolorystyka Strony"),
                                                 QStringLiteral("Następna kolorystyka"),
                                                 QStringLiteral("Poprzednia kolorystyka"));
}

void CreateHeader(SettingsWidgets& w, QWidget* parent) {
    w.textHeader = Radio(parent, "RadioButton1", QString(), QStringLiteral("Nagłówek: nazwa firmy"));
    w.bannerHeader = Radio(parent, "RadioButton2", QString(), QStringLiteral("Nagłówek: baner firmy"));
    auto* group = new QButtonGroup(parent);
    group->addButton(w.textHeader);
    group->addButton(w.bannerHeader);
    w.shopTitle = Named(new QLineEdit(parent), "LabeledEdit1");
    w.bannerPath = Named(new QLineEdit(parent), "LabeledEdit2");
    w.bannerPath->setReadOnly(true);
    w.bannerButton = Named(new QToolButton(parent), "Button1");
    w.bannerButton->setText(QStringLiteral("..."));
    w.bannerButton->setToolTip(QStringLiteral("Wstaw grafikę (baner firmy)"));
    w.bannerButton->setAccessibleName(QStringLiteral("Wstaw grafikę (baner firmy)"));
}

void CreateProductLayout(SettingsWidgets& w, QWidget* parent) {
    QStringList styles;
    for (const StylePreset& preset : StylePresets())
        styles.append(
            QString::fromUtf8(preset.Caption.data(), static_cast<qsizetype>(preset.Caption.size())));
    w.styles = DropDownList(parent, "ComboBox2", styles);
    w.columns = DropDownList(parent, "ComboBox1",
                             {QStringLiteral("Układ 1 kolumna"), QStringLiteral("Układ 2 kolumny"),
                              QStringLiteral("Układ 3 kolumny"), QStringLiteral("Układ 4 kolumny")});
    QStringList captions;
    for (std::string_view caption : BasketCaptionSuggestions())
        captions.append(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    w.basketCaption = DropDownList(parent, "ComboBox3", captions);
    w.basketCaption->setEditable(true);
    w.basketCaption->setInsertPolicy(QComboBox::NoInsert);
    w.basketCaption->setCompleter(nullptr); // the caption is exactly what was typed
    w.basketCaption->setCurrentIndex(-1);
    w.swatch = Named(new TextureSwatch(parent), "ImageBufer");
    w.swatch->setAccessibleName(QStringLiteral("Próbka tekstury"));
    w.textureButton = Named(new QPushButton(QStringLiteral("wczytaj teksturę"), parent), "SpeedButton2");
    w.useTexture = Named(new QCheckBox(QStringLiteral("Zastosuj teksturę"), parent), "CheckBox1");
    w.modernPage = Named(new QCheckBox(QStringLiteral("Strona nowoczesna (telefony i komputery)"), parent),
                         "NowoczesnaBox");
    w.pictureWidth = Named(new SpinEdit(0, 300, parent), "CSpinEdit1");
    w.pictureHeight = Named(new SpinEdit(0, 300, parent), "CSpinEdit2");
}

void CreateMenuAndOrder(SettingsWidgets& w, QWidget* parent, const QStringList& linkTitles) {
    w.links = Named(new LinkGrid(linkTitles, 116, 277, parent), "StringGrid1");
    w.links->setAccessibleName(QStringLiteral("Linki menu"));
    w.insertLink = Named(new QPushButton(QStringLiteral("wstaw link"), parent), "Button3");
    w.orderEmail = Named(new QLineEdit(parent), "LabeledEdit3");
    w.invoiceOnly = Radio(parent, "RadioButton3",
                          QStringLiteral("Na Formularzu generuj tylko dane do faktury"), QString());
    w.invoiceAndShipping =
        Radio(parent, "RadioButton4", QStringLiteral("Generuj dane do faktury i adres wysyłki"), QString());
    auto* group = new QButtonGroup(parent);
    group->addButton(w.invoiceOnly);
    group->addButton(w.invoiceAndShipping);
}

} // namespace

SettingsWidgets CreateSettingsWidgets(QWidget* parent, const ColorBox::ColorChooser& chooser,
                                      const QStringList& linkTitles) {
    SettingsAccessible::install();
    SettingsWidgets w{};
    CreatePickers(w, parent);
    CreateHeader(w, parent);
    CreateProductLayout(w, parent);
    CreateMenuAndOrder(w, parent, linkTitles);
    for (int k = 0; k < 6; ++k) {
        w.colors[static_cast<std::size_t>(k)] = new ColorBox(chooser, parent);
        w.colors[static_cast<std::size_t>(k)]->setObjectName(QStringLiteral("ColorBox%1").arg(k + 1));
    }
    return w;
}

} // namespace targello
