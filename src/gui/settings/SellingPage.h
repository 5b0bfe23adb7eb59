#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace targello {

struct ShopSettings;
class SellerFields;

// The options dialog's "Sprzedaż" tab: the seller, the legal texts with
// their starting templates, the delivery methods and the payment methods of
// the modern page. Every edit goes straight into `settings.Selling`.
class SellingPage : public QWidget {
    Q_OBJECT
public:
    SellingPage(ShopSettings& settings, QWidget* parent);
    void showValues();
    // Why OK cannot store these settings (in Polish), or "".
    QString problem() const;

private:
    QWidget* legalTexts();
    QWidget* delivery();
    QWidget* payment();

    ShopSettings& settings_;
    SellerFields* seller_;
    QPlainTextEdit* texts_[3];
    QPlainTextEdit* delivery_;
    QLineEdit* lines_[6];
};

} // namespace targello
