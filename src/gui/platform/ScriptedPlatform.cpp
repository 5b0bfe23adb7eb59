#include "gui/platform/ScriptedPlatform.h"

#include <QFileInfo>

namespace targello {

void ScriptedPlatform::showMessage(QWidget*, const QString& text) {
    shown.append({Kind::Message, QStringLiteral("Targello"), text});
}

void ScriptedPlatform::showWarning(QWidget*, const QString& caption, const QString& text) {
    shown.append({Kind::Warning, caption, text});
}

void ScriptedPlatform::showError(QWidget*, const QString& text) {
    shown.append({Kind::Error, QStringLiteral("Targello"), text});
}

QString ScriptedPlatform::openFileName(QWidget*, const QString& caption, const QString& filter) {
    dialogs.append({caption, filter});
    return nextFileName.isEmpty() ? QString() : nextFileName.dequeue();
}

QString ScriptedPlatform::saveFileName(QWidget*, const QString& caption, const QString& filter,
                                       const QString& defaultSuffix) {
    dialogs.append({caption, filter});
    QString name = nextFileName.isEmpty() ? QString() : nextFileName.dequeue();
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += QLatin1Char('.') + defaultSuffix;
    return name;
}

std::optional<QColor> ScriptedPlatform::chooseColor(QWidget*, const QColor&) {
    return nextColor.isEmpty() ? std::nullopt : nextColor.dequeue();
}

void ScriptedPlatform::openInShell(const QString& pathOrAddress) { opened.append(pathOrAddress); }

} // namespace targello
