#include "gui/settings/ShopWebFields.h"

#include "core/modern/ShopWebAddress.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace targello {
namespace {

QLabel* labelFor(const QString& text, QWidget* field) {
    auto* label = new QLabel(text);
    label->setBuddy(field);
    label->setWordWrap(true);
    return label;
}

} // namespace

ShopWebFields::ShopWebFields(ShopSettings& values, QWidget* parent)
    : QGroupBox(QStringLiteral("Sklep w sieci (strona nowoczesna)"), parent), values_(values),
      description_(new QPlainTextEdit(this)), address_(new QLineEdit(this)), note_(new QLabel(this)) {
    description_->setObjectName(QStringLiteral("OpisSklepu"));
    description_->setAccessibleName(QStringLiteral("Opis sklepu"));
    description_->setTabChangesFocus(true);
    description_->setFixedHeight(description_->fontMetrics().lineSpacing() * 4 + 12);
    address_->setObjectName(QStringLiteral("AdresPubliczny"));
    address_->setAccessibleName(QStringLiteral("Adres sklepu w sieci"));
    address_->setPlaceholderText(QStringLiteral("https://www.example.pl/sklep/"));
    note_->setObjectName(QStringLiteral("AdresUwaga"));
    note_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labelFor(QStringLiteral("Opis sklepu dla wyszukiwarek i podglądów linków "
                                              "(bez niego opis powstaje z nazw pierwszych produktów)"),
                               description_));
    layout->addWidget(description_);
    layout->addWidget(labelFor(QStringLiteral("Adres sklepu w sieci (z niego powstają mapa witryny "
                                              "i adres kanoniczny)"),
                               address_));
    layout->addWidget(address_);
    layout->addWidget(note_);

    connect(description_, &QPlainTextEdit::textChanged, this,
            [this] { values_.Description = description_->toPlainText().toStdString(); });
    connect(address_, &QLineEdit::textChanged, this, [this](const QString& text) {
        values_.PublicAddress = text.toStdString();
        showAddressNote();
    });
    showValues();
}

void ShopWebFields::showValues() {
    const QString description = QString::fromStdString(values_.Description);
    if (description_->toPlainText() != description) {
        const QSignalBlocker blocker(description_);
        description_->setPlainText(description);
    }
    const QString address = QString::fromStdString(values_.PublicAddress);
    if (address_->text() != address) {
        const QSignalBlocker blocker(address_);
        address_->setText(address);
        address_->setCursorPosition(0);
    }
    showAddressNote();
}

void ShopWebFields::showAddressNote() {
    const bool unusable = !address_->text().trimmed().isEmpty() &&
                          !ShopWebAddressOf(values_.PublicAddress, "index.html").has_value();
    note_->setText(unusable ? QStringLiteral("Ten adres nie zostanie użyty: adres sklepu zaczyna się od "
                                             "„https://” albo „http://”, np. https://www.example.pl/sklep/.")
                            : QString());
    note_->setVisible(unusable);
}

} // namespace targello
