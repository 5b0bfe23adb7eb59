#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace targello {

// What the program asks of the desktop: message boxes, file dialogs, the
// colour dialog and the shell's "open". Windows and commands go through this
// interface so that tests can answer every question from a script.
class Platform {
public:
    virtual ~Platform() = default;

    // A plain box captioned "Targello" with an OK button (limits, empty cases).
    virtual void showMessage(QWidget* owner, const QString& text) = 0;
    // A warning box with the exclamation icon (the price check: caption "uwaga !").
    virtual void showWarning(QWidget* owner, const QString& caption, const QString& text) = 0;
    // The error box of a command that failed (a picture, a file, a number).
    virtual void showError(QWidget* owner, const QString& text) = 0;

    // A question with one button per answer, the last one answering Escape
    // and the close box ("Anuluj"); the result is the index of the answer.
    virtual int ask(QWidget* owner, const QString& text, const QStringList& answers) = 0;

    // `filter` is in Qt's form ("pliki skl (*.esk)"); `start` is the folder
    // or file the dialog starts on, empty for the desktop's choice. An empty
    // result means the user cancelled.
    virtual QString openFileName(QWidget* owner, const QString& caption, const QString& filter,
                                 const QString& start = {}) = 0;
    // A name typed without an extension gets `defaultSuffix` (without the dot).
    virtual QString saveFileName(QWidget* owner, const QString& caption, const QString& filter,
                                 const QString& defaultSuffix, const QString& start = {}) = 0;
    virtual std::optional<QColor> chooseColor(QWidget* owner, const QColor& initial) = 0;

    // Asks the desktop to open a file or an address; nothing waits for the
    // program that opens it.
    virtual void openInShell(const QString& pathOrAddress) = 0;
};

} // namespace targello
