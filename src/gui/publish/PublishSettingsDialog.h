#pragma once

#include "core/publish/PublishAddress.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace targello {

class Platform;
struct ShopSettings;

// "Ustawienia publikacji": where the shop goes (protocol, host, port, user,
// remote folder) and its address on the web. OK checks the fields and only
// then stores them in `values` (`Publication`, `PublicAddress`); the
// password is never asked or kept here.
class PublishSettingsDialog : public QDialog {
    Q_OBJECT
public:
    PublishSettingsDialog(ShopSettings& values, Platform& platform, QWidget* parent = nullptr);

    // The protocol shown; plain FTP only after the trader agreed to the warning.
    PublishProtocol protocol() const;
    void setProtocol(PublishProtocol protocol);

    void accept() override;

private:
    QLineEdit* addField(const char* name, const char* readerName);
    void protocolChosen(int index);
    void showValues(const PublishAddress& address);

    ShopSettings& values_;
    Platform& platform_;
    QComboBox* protocol_;
    QLineEdit* host_;
    QSpinBox* port_;
    QLineEdit* user_;
    QLineEdit* folder_;
    QLineEdit* publicAddress_;
    int shownProtocol_ = 0;
};

// The warning before plain FTP is chosen, and its answers.
inline constexpr const char* PlainFtpWarning =
    "Zwykłe FTP nie szyfruje połączenia: hasło i pliki sklepu można po drodze odczytać. Wybierz FTPS albo "
    "SFTP, jeśli serwer je obsługuje. Czy mimo to używać zwykłego FTP?";

} // namespace targello
