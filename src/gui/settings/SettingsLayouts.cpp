#include "gui/settings/SettingsLayouts.h"

#include "gui/settings/LinkGrid.h"
#include "gui/settings/SettingsWidgets.h"
#include "gui/settings/SpinEdit.h"
#include "gui/settings/TextureSwatch.h"
#include "gui/settings/ThumbnailPicker.h"
#include "gui/settings/Thumbnails.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace targello::SettingsLayouts {

namespace {

QLabel* Label(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    if (buddy->accessibleName().isEmpty())
        buddy->setAccessibleName(text);
    return label;
}

QGroupBox* Group(const QString& title, QLayout* content) {
    auto* group = new QGroupBox(title);
    group->setLayout(content);
    return group;
}

} // namespace

QLayout* LabelOver(const QString& text, QWidget* field) {
    auto* layout = new QVBoxLayout;
    layout->setSpacing(2);
    layout->addWidget(Label(text, field));
    layout->addWidget(field);
    return layout;
}

QLayout* TemplatePickers(const SettingsWidgets& w) {
    auto* layout = new QHBoxLayout;
    layout->addLayout(LabelOver(QStringLiteral("Układ Strony"), w.layoutPicker));
    layout->addSpacing(24);
    layout->addLayout(LabelOver(QStringLiteral("Kolorystyka Strony"), w.schemePicker));
    layout->addStretch();
    return layout;
}

QGroupBox* Header(const SettingsWidgets& w) {
    auto* grid = new QGridLayout;
    grid->addWidget(w.textHeader, 0, 0, Qt::AlignBottom);
    grid->addLayout(LabelOver(QStringLiteral("Text - nazwa firmy (sklepu)"), w.shopTitle), 0, 1, 1, 2);
    grid->addWidget(w.bannerHeader, 1, 0, Qt::AlignBottom);
    grid->addLayout(LabelOver(QStringLiteral("Grafika- baner firmy (sklepu)"), w.bannerPath), 1, 1);
    grid->addWidget(w.bannerButton, 1, 2, Qt::AlignBottom);
    auto* color = new QHBoxLayout;
    color->addWidget(Label(QStringLiteral("Kolor Nagłówka"), w.colors[2]));
    color->addWidget(w.colors[2]);
    color->addStretch();
    grid->addLayout(color, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return Group(QString(), grid);
}

QLayout* ModernPage(const SettingsWidgets& w) {
    auto* layout = new QVBoxLayout;
    layout->addWidget(w.modernPage);
    auto* note = new QLabel(QStringLiteral("Strona dopasowana do ekranów telefonów i komputerów, "
                                           "z obrazkami zmniejszonymi do pokazania w sieci."));
    note->setWordWrap(true);
    layout->addWidget(note);
    return layout;
}

QLayout* ProductStyle(const SettingsWidgets& w) {
    auto* grid = new QGridLayout;
    const struct {
        const char* text;
        QWidget* field;
    } rows[] = {{"Styl układu produktów", w.styles},
                {"Wybierz kolor tła 1", w.colors[0]},
                {"Wybierz kolor tła 2", w.colors[1]},
                {"Układ kolumn", w.columns},
                {"Format przycisku \"koszyk\"", w.basketCaption}};
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(Label(QString::fromUtf8(r.text), r.field), row, 0);
        grid->addWidget(r.field, row++, 1);
    }
    return grid;
}

QLayout* Texture(const SettingsWidgets& w) {
    auto* layout = new QHBoxLayout;
    layout->addWidget(w.swatch);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(w.textureButton);
    buttons->addWidget(w.useTexture);
    layout->addLayout(buttons);
    layout->addStretch();
    return layout;
}

QGroupBox* PictureSize(SpinEdit* width, SpinEdit* height, bool withSample) {
    auto* layout = new QHBoxLayout;
    if (withSample) {
        auto* sample = new QLabel;
        sample->setPixmap(Thumbnails::samplePicture());
        layout->addWidget(sample);
    }
    auto* fields = new QGridLayout;
    fields->addWidget(Label(QStringLiteral("Szer."), width), 0, 0);
    fields->addWidget(width, 0, 1);
    fields->addWidget(Label(QStringLiteral("Wys."), height), 1, 0);
    fields->addWidget(height, 1, 1);
    layout->addLayout(fields);
    layout->addStretch();
    width->setAccessibleName(QStringLiteral("Szerokość obrazka"));
    height->setAccessibleName(QStringLiteral("Wysokość obrazka"));
    return Group(QStringLiteral("Wymiary obrazka"), layout);
}

QGroupBox* Links(const SettingsWidgets& w) {
    auto* layout = new QVBoxLayout;
    layout->addWidget(w.links);
    layout->addWidget(w.insertLink, 0, Qt::AlignLeft);
    return Group(QStringLiteral("Linki menu"), layout);
}

QGroupBox* MenuColors(const SettingsWidgets& w) {
    auto* grid = new QGridLayout;
    grid->addWidget(Label(QStringLiteral("Kolor tła menu"), w.colors[3]), 0, 0);
    grid->addWidget(w.colors[3], 0, 1);
    grid->addWidget(Label(QStringLiteral("Kolor menu"), w.colors[5]), 1, 0);
    grid->addWidget(w.colors[5], 1, 1);
    grid->setColumnStretch(2, 1);
    return Group(QString(), grid);
}

QGroupBox* OrderKind(const SettingsWidgets& w) {
    auto* layout = new QVBoxLayout;
    layout->addWidget(w.invoiceOnly);
    layout->addWidget(w.invoiceAndShipping);
    return Group(QString(), layout);
}

QGroupBox* Footer(const SettingsWidgets& w) {
    auto* layout = new QHBoxLayout;
    layout->addWidget(Label(QStringLiteral("Kolor stopki"), w.colors[4]));
    layout->addWidget(w.colors[4]);
    layout->addStretch();
    return Group(QStringLiteral("Stopka strony"), layout);
}

} // namespace targello::SettingsLayouts
