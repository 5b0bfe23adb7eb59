#pragma once

#include <QDialog>

namespace targello {

class Platform;

// "Informacje o programie": the program's name, version, rights notice and
// the maker's addresses; shown without blocking the main window.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(Platform& platform, QWidget* parent);

    static const char* const WebAddress;
    static const char* const MailAddress;

private:
    QWidget* link(const QString& text, const QString& target, QWidget* parent);

    Platform& platform_;
};

} // namespace targello
