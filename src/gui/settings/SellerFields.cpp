#include "gui/settings/SellerFields.h"

#include "core/settings/SellingSettings.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace targello {
namespace {

QLineEdit* textBox(QFormLayout* form, const QString& label, const QString& name, std::string& target,
                   const QString& hint = {}) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setAccessibleName(QString(label).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    box->setPlaceholderText(hint);
    QObject::connect(box, &QLineEdit::textEdited, box,
                     [&target](const QString& text) { target = text.trimmed().toStdString(); });
    form->addRow(label, box);
    return box;
}

} // namespace

SellerFields::SellerFields(SellingSettings& selling, QWidget* parent) : QWidget(parent), selling_(selling) {
    auto* group = new QGroupBox(QStringLiteral("Sprzedawca"), this);
    auto* form = new QFormLayout(group);
    name_ = textBox(form, QStringLiteral("&Nazwa lub firma:"), QStringLiteral("SprzedawcaNazwa"),
                    selling.SellerName);
    address_ = textBox(form, QStringLiteral("&Adres:"), QStringLiteral("SprzedawcaAdres"),
                       selling.SellerAddress, QStringLiteral("ulica, kod, miasto"));
    nip_ = textBox(form, QStringLiteral("N&IP:"), QStringLiteral("SprzedawcaNip"), selling.SellerNip,
                   QStringLiteral("albo „osoba fizyczna”"));
    email_ =
        textBox(form, QStringLiteral("&E-mail:"), QStringLiteral("SprzedawcaEmail"), selling.SellerEmail);
    phone_ =
        textBox(form, QStringLiteral("&Telefon:"), QStringLiteral("SprzedawcaTelefon"), selling.SellerPhone);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);
}

void SellerFields::showValues() {
    name_->setText(QString::fromStdString(selling_.SellerName));
    address_->setText(QString::fromStdString(selling_.SellerAddress));
    nip_->setText(QString::fromStdString(selling_.SellerNip));
    email_->setText(QString::fromStdString(selling_.SellerEmail));
    phone_->setText(QString::fromStdString(selling_.SellerPhone));
}

} // namespace targello
