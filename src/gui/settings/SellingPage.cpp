#include "gui/settings/SellingPage.h"

#include "core/modern/SellingInput.h"
#include "core/settings/LegalTemplates.h"
#include "core/settings/ShopSettings.h"
#include "gui/settings/SellerFields.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace targello {
namespace {

struct TextSetting {
    const char* Label;
    const char* Name;
    std::string SellingSettings::*Member;
};

constexpr TextSetting LegalTexts[3] = {
    {"Regulamin", "Regulamin", &SellingSettings::Terms},
    {"Polityka prywatności", "Prywatnosc", &SellingSettings::Privacy},
    {"Odstąpienie od umowy", "Odstapienie", &SellingSettings::Withdrawal},
};

constexpr TextSetting PaymentLines[6] = {
    {"Przelew – &odbiorca:", "PrzelewOdbiorca", &SellingSettings::TransferRecipient},
    {"Przelew – numer &konta:", "PrzelewKonto", &SellingSettings::TransferAccount},
    {"Przelew – NIP odbior&cy:", "PrzelewNip", &SellingSettings::TransferNip},
    {"Płatność przy odbiorze – &dopłata:", "Pobranie", &SellingSettings::CashOnDeliveryCost},
    {"BLIK na &telefon:", "Blik", &SellingSettings::BlikPhone},
    {"Darmowa dostawa od &kwoty:", "DarmowaOd", &SellingSettings::FreeDeliveryFrom},
};

QString accessible(const char* label) {
    return QString::fromUtf8(label).remove(QLatin1Char('&')).remove(QLatin1Char(':'));
}

} // namespace

SellingPage::SellingPage(ShopSettings& settings, QWidget* parent) : QWidget(parent), settings_(settings) {
    setObjectName(QStringLiteral("Sprzedaz"));
    seller_ = new SellerFields(settings.Selling, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(seller_);
    layout->addWidget(legalTexts());
    auto* columns = new QHBoxLayout;
    columns->addWidget(delivery());
    columns->addWidget(payment());
    layout->addLayout(columns);
}

QWidget* SellingPage::legalTexts() {
    auto* group = new QGroupBox(QStringLiteral("Regulamin i zasady sklepu"));
    auto* layout = new QVBoxLayout(group);
    auto* notice =
        new QLabel(QStringLiteral("„Wstaw wzór” daje tekst z danymi sprzedawcy, dostawą i płatnością. "
                                  "To wzory do sprawdzenia, a nie porada prawna: przeczytaj je i "
                                  "dostosuj do swojego sklepu."));
    notice->setWordWrap(true);
    notice->setObjectName(QStringLiteral("WzoryUwaga"));
    layout->addWidget(notice);
    auto* tabs = new QTabWidget;
    for (int k = 0; k < 3; ++k) {
        const TextSetting& legal = LegalTexts[k];
        auto* page = new QWidget;
        auto* column = new QVBoxLayout(page);
        auto* text = new QPlainTextEdit;
        text->setObjectName(QString::fromUtf8(legal.Name));
        text->setAccessibleName(QString::fromUtf8(legal.Label));
        text->setTabChangesFocus(true);
        text->setMinimumHeight(110);
        texts_[k] = text;
        auto* insert = new QPushButton(QStringLiteral("Wstaw &wzór"));
        insert->setObjectName(QStringLiteral("Wzor") + QString::fromUtf8(legal.Name));
        insert->setAccessibleName(QStringLiteral("Wstaw wzór: ") + QString::fromUtf8(legal.Label));
        connect(text, &QPlainTextEdit::textChanged, this, [this, text, member = legal.Member] {
            settings_.Selling.*member = text->toPlainText().toStdString();
        });
        connect(insert, &QPushButton::clicked, this, [this, text, k] {
            const SellingSettings& s = settings_.Selling;
            const std::string templ = k == 0   ? TermsTemplate(s, settings_.ShopTitle)
                                      : k == 1 ? PrivacyTemplate(s)
                                               : WithdrawalTemplate(s);
            text->setPlainText(QString::fromStdString(templ));
        });
        column->addWidget(text);
        column->addWidget(insert, 0, Qt::AlignLeft);
        tabs->addTab(page, QString::fromUtf8(legal.Label));
    }
    layout->addWidget(tabs);
    return group;
}

QWidget* SellingPage::delivery() {
    auto* group = new QGroupBox(QStringLiteral("Dostawa"));
    auto* layout = new QVBoxLayout(group);
    auto* label = new QLabel(QStringLiteral("&Sposoby dostawy, jeden w wierszu: nazwa;cena"));
    delivery_ = new QPlainTextEdit;
    delivery_->setObjectName(QStringLiteral("Dostawy"));
    delivery_->setAccessibleName(QStringLiteral("Sposoby dostawy, jeden w wierszu: nazwa;cena"));
    delivery_->setPlaceholderText(QStringLiteral("Kurier;15,00\nPaczkomat;12,00\nOdbiór osobisty;0"));
    delivery_->setTabChangesFocus(true);
    delivery_->setMaximumHeight(90);
    label->setBuddy(delivery_);
    connect(delivery_, &QPlainTextEdit::textChanged, this, [this] {
        settings_.Selling.Delivery = ParseDeliveryList(delivery_->toPlainText().toStdString());
    });
    layout->addWidget(label);
    layout->addWidget(delivery_);
    return group;
}

QWidget* SellingPage::payment() {
    auto* group = new QGroupBox(QStringLiteral("Płatność (puste pole: tego sposobu nie ma)"));
    auto* form = new QFormLayout(group);
    for (int k = 0; k < 6; ++k) {
        const TextSetting& line = PaymentLines[k];
        auto* box = new QLineEdit;
        box->setObjectName(QString::fromUtf8(line.Name));
        box->setAccessibleName(accessible(line.Label));
        connect(box, &QLineEdit::textEdited, this, [this, member = line.Member](const QString& text) {
            settings_.Selling.*member = text.trimmed().toStdString();
        });
        lines_[k] = box;
        form->addRow(QString::fromUtf8(line.Label), box);
    }
    return group;
}

void SellingPage::showValues() {
    const SellingSettings s = settings_.Selling; // setting the boxes writes back
    seller_->showValues();
    for (int k = 0; k < 3; ++k)
        texts_[k]->setPlainText(QString::fromStdString(s.*LegalTexts[k].Member));
    delivery_->setPlainText(QString::fromStdString(DeliveryListText(s.Delivery)));
    for (int k = 0; k < 6; ++k)
        lines_[k]->setText(QString::fromStdString(s.*PaymentLines[k].Member));
    settings_.Selling = s;
}

QString SellingPage::problem() const {
    return QString::fromStdString(SellingProblem(settings_.Selling));
}

} // namespace targello
