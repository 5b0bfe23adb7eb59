#include "gui/publish/QtPublishPrompts.h"

#include "gui/publish/PublishSettingsDialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace targello {

bool QtPublishPrompts::editConnection(QWidget* owner, ShopSettings& values) {
    PublishSettingsDialog dialog(values, platform_, owner);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<PasswordAnswer> QtPublishPrompts::askPassword(QWidget* owner, const QString& account,
                                                            bool canRemember) {
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("HasloPublikacji"));
    dialog.setWindowTitle(QStringLiteral("Opublikuj sklep"));
    auto* label = new QLabel(QStringLiteral("&Hasło dla %1:").arg(account), &dialog);
    auto* password = new QLineEdit(&dialog);
    password->setObjectName(QStringLiteral("Haslo"));
    password->setEchoMode(QLineEdit::Password);
    password->setAccessibleName(QStringLiteral("Hasło"));
    label->setBuddy(password);
    auto* remember = new QCheckBox(QStringLiteral("&Zapamiętaj hasło"), &dialog);
    remember->setObjectName(QStringLiteral("ZapamietajHaslo"));
    remember->setToolTip(QStringLiteral("Hasło trafi do pęku kluczy systemu; bez tego program pyta o nie "
                                        "raz przy każdym uruchomieniu."));
    remember->setVisible(canRemember);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(password);
    layout->addWidget(remember);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return PasswordAnswer{password->text(), canRemember && remember->isChecked()};
}

void QtPublishPrompts::showPublished(QWidget* owner, const QString& text, const QString& url) {
    QString shown = text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    if (!url.isEmpty()) {
        const QString escaped = url.toHtmlEscaped();
        shown.replace(escaped, QStringLiteral("<a href=\"%1\">%1</a>").arg(escaped));
    }
    QMessageBox box(QMessageBox::Information, QStringLiteral("Targello"), shown, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("SklepOnline"));
    box.setTextFormat(Qt::RichText);
    box.setTextInteractionFlags(Qt::TextBrowserInteraction);
    box.exec();
}

} // namespace targello
