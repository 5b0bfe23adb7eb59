#pragma once

#include "gui/platform/Platform.h"

#include <QList>
#include <QQueue>
#include <QStringList>

namespace targello {

// The desktop as tests see it: every message is recorded instead of shown,
// and file and colour dialogs take their answers from queues filled before
// the action. An empty queue answers as a cancelled dialog.
class ScriptedPlatform : public Platform {
public:
    enum class Kind { Message, Warning, Error };
    struct Shown {
        Kind kind;
        QString caption;
        QString text;
    };
    struct Dialog {
        QString caption;
        QString filter;
        QString start;
    };

    void showMessage(QWidget* owner, const QString& text) override;
    void showWarning(QWidget* owner, const QString& caption, const QString& text) override;
    void showError(QWidget* owner, const QString& text) override;
    int ask(QWidget* owner, const QString& text, const QStringList& answers) override;
    QString openFileName(QWidget* owner, const QString& caption, const QString& filter,
                         const QString& start = {}) override;
    QString saveFileName(QWidget* owner, const QString& caption, const QString& filter,
                         const QString& defaultSuffix, const QString& start = {}) override;
    std::optional<QColor> chooseColor(QWidget* owner, const QColor& initial) override;
    void openInShell(const QString& pathOrAddress) override;

    // Answers for the next file dialogs; "" stands for a cancelled one.
    QQueue<QString> nextFileName;
    // The answers (button texts) to the next questions; with none queued a
    // question is answered with its last answer, as Escape would.
    QQueue<QString> nextAnswer;
    QQueue<std::optional<QColor>> nextColor;

    QList<Shown> shown;         // every message box, in order
    QList<Dialog> dialogs;      // every file dialog asked for, in order
    QStringList questions;      // every question asked, in order
    QStringList opened;         // every path or address handed to the shell
};

} // namespace targello
