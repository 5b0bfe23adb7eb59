#pragma once

#include "gui/platform/Platform.h"

namespace targello {

// The real desktop: Qt's message boxes, file and colour dialogs, and
// QDesktopServices for opening files and addresses.
class QtPlatform : public Platform {
public:
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
};

} // namespace targello
