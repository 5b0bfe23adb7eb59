#pragma once

#include "core/settings/ShopSettings.h"

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace targello {

// The shop as search engines and link previews see it, on the options
// dialog: its description and its address on the web. Every edit goes
// straight into `values`; showValues() brings the fields in line with it.
// An address the page cannot use is pointed out beside the field.
class ShopWebFields : public QGroupBox {
    Q_OBJECT
public:
    ShopWebFields(ShopSettings& values, QWidget* parent = nullptr);

    void showValues();

private:
    void showAddressNote();

    ShopSettings& values_;
    QPlainTextEdit* description_;
    QLineEdit* address_;
    QLabel* note_;
};

} // namespace targello
