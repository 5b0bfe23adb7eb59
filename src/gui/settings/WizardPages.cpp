#include "gui/settings/WizardPages.h"

#include "gui/settings/SettingsLayouts.h"
#include "gui/settings/SettingsWidgets.h"
#include "gui/settings/SpinEdit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace targello::WizardPages {

namespace {

// The explanations of a step, in blue.
QLabel* Explanation(const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: blue;"));
    return label;
}

QLayout* Template(const SettingsWidgets& w) {
    auto* layout = new QVBoxLayout;
    layout->addLayout(SettingsLayouts::TemplatePickers(w));
    layout->addWidget(Explanation("Wybierz układ strony według podanego szablonu."));
    layout->addWidget(
        Explanation("Wybierz styl kolorystyki strony. Kolory możesz poźniej zdefiniować idywidualnie "
                    "dla poszczególnych elementów."));
    return layout;
}

QLayout* Header(const SettingsWidgets& w) {
    auto* layout = new QVBoxLayout;
    layout->addWidget(SettingsLayouts::Header(w));
    layout->addWidget(
        Explanation("Wczytaj grafikę (szyld sklepu ) lub podaj krótki opis sklepu. Możesz także "
                    "zmienić kolor nagłówka."));
    return layout;
}

QLayout* Products(const SettingsWidgets& w, SpinEdit* itemCount) {
    auto* left = new QVBoxLayout;
    left->addLayout(SettingsLayouts::ProductStyle(w));
    left->addLayout(SettingsLayouts::Texture(w));
    auto* right = new QVBoxLayout;
    right->addWidget(SettingsLayouts::PictureSize(w.pictureWidth, w.pictureHeight, false));
    right->addLayout(SettingsLayouts::LabelOver(QStringLiteral("Wygeneruj w sklepie pozycje:"), itemCount));
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout;
    layout->addLayout(columns);
    layout->addWidget(
        Explanation("Wygeneruj podaną ilość produktów w sklepie. Wybierz układ kolumn w jakim "
                    "produkty będą wyświetlane. Możesz określić kolory dla wierszy lub zastosować "
                    "teksturę."));
    return layout;
}

QLayout* Menu(const SettingsWidgets& w) {
    auto* layout = new QVBoxLayout;
    layout->addWidget(SettingsLayouts::Links(w));
    layout->addWidget(SettingsLayouts::MenuColors(w));
    layout->addWidget(
        Explanation("Wstaw odpowiednie linki do stron zawartych w Twoim serwisie (np. Strona Główna), "
                    "możesz także dodać grafiki oraz zmienić kolor ramki."));
    return layout;
}

QLayout* Final(const SettingsWidgets& w) {
    auto* layout = new QVBoxLayout;
    layout->addLayout(SettingsLayouts::LabelOver(
        QStringLiteral("adres e-mail na ktory będzie przesyłane zamówienie"), w.orderEmail));
    layout->addWidget(Explanation("Wpisz adres e-mail na ktory, przesyłane będą formularze zamówienia."));
    layout->addWidget(SettingsLayouts::OrderKind(w));
    layout->addWidget(Explanation("Ustaw opcje dotyczące formularza internetowego."));
    layout->addWidget(SettingsLayouts::Footer(w));
    layout->addLayout(SettingsLayouts::ModernPage(w));
    return layout;
}

} // namespace

QString Caption(int step) {
    switch (step) {
    case 1:
        return QStringLiteral("Krok pierwszy - Szablon strony");
    case 2:
        return QStringLiteral("Krok drugi - Nagłówek strony");
    case 3:
        return QStringLiteral("Krok trzeci - Układ produktów");
    case 4:
        return QStringLiteral("Krok czwarty - Menu strony");
    default:
        return QStringLiteral("Końcowe ustawienia");
    }
}

QLayout* Contents(int step, const SettingsWidgets& w, SpinEdit* itemCount) {
    switch (step) {
    case 1:
        return Template(w);
    case 2:
        return Header(w);
    case 3:
        return Products(w, itemCount);
    case 4:
        return Menu(w);
    default:
        return Final(w);
    }
}

} // namespace targello::WizardPages
