#include "gui/platform/QtPlatform.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace targello {

void QtPlatform::showMessage(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Targello"), text, QMessageBox::Ok, owner);
    box.exec();
}

void QtPlatform::showWarning(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

void QtPlatform::showError(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Targello"), text, QMessageBox::Ok, owner);
    box.exec();
}

int QtPlatform::ask(QWidget* owner, const QString& text, const QStringList& answers) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Targello"), text, QMessageBox::NoButton, owner);
    QList<QPushButton*> buttons;
    for (const QString& answer : answers)
        buttons.append(box.addButton(answer, QMessageBox::ActionRole));
    box.setDefaultButton(buttons.constFirst());
    box.setEscapeButton(buttons.constLast());
    box.exec();
    const auto index = buttons.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return index < 0 ? static_cast<int>(answers.size()) - 1 : static_cast<int>(index);
}

QString QtPlatform::openFileName(QWidget* owner, const QString& caption, const QString& filter,
                                 const QString& start) {
    return QFileDialog::getOpenFileName(owner, caption, start, filter);
}

QString QtPlatform::saveFileName(QWidget* owner, const QString& caption, const QString& filter,
                                 const QString& defaultSuffix, const QString& start) {
    QFileDialog dialog(owner, caption, start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    // Existing files are replaced without a question, as everywhere in the program.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> QtPlatform::chooseColor(QWidget* owner, const QColor& initial) {
    const QColor color = QColorDialog::getColor(initial, owner);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

void QtPlatform::openInShell(const QString& pathOrAddress) {
    const QUrl url = QFileInfo(pathOrAddress).isAbsolute() ? QUrl::fromLocalFile(pathOrAddress)
                                                           : QUrl(pathOrAddress);
    // Nothing waits for the browser; but when the desktop cannot even start
    // one, the user should know why nothing happened.
    if (!QDesktopServices::openUrl(url))
        QMessageBox::warning(nullptr, QStringLiteral("Targello"),
                             QStringLiteral("Nie udało się otworzyć „%1”. Sprawdź, czy w systemie jest "
                                            "przeglądarka internetowa.")
                                 .arg(pathOrAddress));
}

} // namespace targello
