#pragma once

#include <QWidget>

class QLineEdit;

namespace targello {

struct SellingSettings;

// The seller's identity (name or company, address, NIP or "osoba
// fizyczna", e-mail, phone), written straight into `selling` as typed. The
// options dialog's "Sprzedaż" tab and the wizard's last step both show it.
class SellerFields : public QWidget {
    Q_OBJECT
public:
    SellerFields(SellingSettings& selling, QWidget* parent);
    void showValues();

private:
    SellingSettings& selling_;
    QLineEdit* name_;
    QLineEdit* address_;
    QLineEdit* nip_;
    QLineEdit* email_;
    QLineEdit* phone_;
};

} // namespace targello
