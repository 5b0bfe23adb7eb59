#include "gui/publish/PublishSettingsDialog.h"

#include "core/settings/ShopSettings.h"
#include "gui/platform/Platform.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cctype>

namespace targello {
namespace {

// In the order of the list; FTPS explicit first, as the usual choice.
const PublishProtocol Protocols[] = {PublishProtocol::FtpsExplicit, PublishProtocol::FtpsImplicit,
                                     PublishProtocol::Sftp, PublishProtocol::Ftp};
const char* const ProtocolNames[] = {"FTPS (jawne TLS, zalecane)", "FTPS (niejawne TLS, port 990)", "SFTP",
                                     "FTP (bez szyfrowania)"};

int indexOf(PublishProtocol protocol) {
    for (int k = 0; k < 4; ++k)
        if (Protocols[k] == protocol)
            return k;
    return 0;
}

} // namespace

PublishSettingsDialog::PublishSettingsDialog(ShopSettings& values, Platform& platform, QWidget* parent)
    : QDialog(parent), values_(values), platform_(platform), protocol_(new QComboBox(this)),
      port_(new QSpinBox(this)) {
    setObjectName(QStringLiteral("UstawieniaPublikacji"));
    setWindowTitle(QStringLiteral("Ustawienia publikacji"));
    auto* form = new QFormLayout;
    for (const char* name : ProtocolNames)
        protocol_->addItem(QString::fromUtf8(name));
    protocol_->setObjectName(QStringLiteral("Protokol"));
    protocol_->setAccessibleName(QStringLiteral("Protokół"));
    form->addRow(QStringLiteral("&Protokół:"), protocol_);
    host_ = addField("Serwer", "Serwer");
    form->addRow(QStringLiteral("S&erwer:"), host_);
    port_->setObjectName(QStringLiteral("Port"));
    port_->setAccessibleName(QStringLiteral("Port"));
    port_->setRange(1, 65535);
    form->addRow(QStringLiteral("P&ort:"), port_);
    user_ = addField("Uzytkownik", "Użytkownik");
    form->addRow(QStringLiteral("&Użytkownik:"), user_);
    folder_ = addField("FolderZdalny", "Folder na serwerze");
    folder_->setPlaceholderText(QStringLiteral("np. public_html/sklep (puste: folder po zalogowaniu)"));
    form->addRow(QStringLiteral("&Folder na serwerze:"), folder_);
    publicAddress_ = addField("AdresPubliczny", "Adres sklepu w internecie");
    publicAddress_->setPlaceholderText(QStringLiteral("https://…"));
    form->addRow(QStringLiteral("&Adres sklepu w internecie:"), publicAddress_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PublishSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    std::string problem;
    showValues(PublishAddress::Parse(values_.Publication, problem).value_or(PublishAddress{}));
    publicAddress_->setText(QString::fromStdString(values_.PublicAddress));
    connect(protocol_, &QComboBox::currentIndexChanged, this, &PublishSettingsDialog::protocolChosen);
}

QLineEdit* PublishSettingsDialog::addField(const char* name, const char* readerName) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setAccessibleName(QString::fromUtf8(readerName));
    return field;
}

void PublishSettingsDialog::showValues(const PublishAddress& address) {
    const QSignalBlocker blocker(protocol_);
    shownProtocol_ = indexOf(address.Protocol);
    protocol_->setCurrentIndex(shownProtocol_);
    host_->setText(QString::fromStdString(address.Host));
    port_->setValue(address.Port);
    user_->setText(QString::fromStdString(address.User));
    folder_->setText(QString::fromStdString(address.Folder));
}

PublishProtocol PublishSettingsDialog::protocol() const {
    return Protocols[shownProtocol_];
}

void PublishSettingsDialog::setProtocol(PublishProtocol protocol) {
    protocol_->setCurrentIndex(indexOf(protocol));
}

void PublishSettingsDialog::protocolChosen(int index) {
    const PublishProtocol chosen = Protocols[index];
    if (chosen == PublishProtocol::Ftp &&
        platform_.ask(this, QString::fromUtf8(PlainFtpWarning),
                      {QStringLiteral("Użyj zwykłego FTP"), QStringLiteral("Anuluj")}) != 0) {
        const QSignalBlocker blocker(protocol_);
        protocol_->setCurrentIndex(shownProtocol_);
        return;
    }
    // A port the trader typed stays; the default of the old protocol follows the new one.
    if (port_->value() == PublishAddress::DefaultPort(Protocols[shownProtocol_]))
        port_->setValue(PublishAddress::DefaultPort(chosen));
    shownProtocol_ = index;
}

void PublishSettingsDialog::accept() {
    PublishAddress address;
    address.Protocol = protocol();
    address.Host = host_->text().trimmed().toStdString();
    address.Port = port_->value();
    address.User = user_->text().trimmed().toStdString();
    QString folder = folder_->text().trimmed();
    while (folder.startsWith(QLatin1Char('/')))
        folder.remove(0, 1);
    while (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    address.Folder = folder.toStdString();
    const QString web = publicAddress_->text().trimmed();
    std::string problem;
    if (address.Host.empty() || address.User.empty())
        problem = "Podaj nazwę serwera i użytkownika.";
    else if (!PublishAddress::Parse(address.Text(), problem))
        ;
    else if (!web.isEmpty() && !web.startsWith(QStringLiteral("https://")) &&
             !web.startsWith(QStringLiteral("http://")))
        problem = "Adres sklepu w internecie musi zaczynać się od https:// (albo http://).";
    if (!problem.empty()) {
        problem[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(problem[0])));
        platform_.showError(this, QString::fromStdString(problem));
        return;
    }
    values_.Publication = address.Text();
    values_.PublicAddress = web.toStdString();
    QDialog::accept();
}

} // namespace targello
