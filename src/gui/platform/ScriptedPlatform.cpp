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

int ScriptedPlatform::ask(QWidget*, const QString& text, const QStringList& answers) {
    questions.append(text);
    const QString answer = nextAnswer.isEmpty() ? answers.constLast() : nextAnswer.dequeue();
    const auto index = answers.indexOf(answer);
    // A script answering with a button the question lacks is a broken test.
    Q_ASSERT(index >= 0);
    return index < 0 ? static_cast<int>(answers.size()) - 1 : static_cast<int>(index);
}

QString ScriptedPlatform::openFileName(QWidget*, const QString& caption, const QString& filter,
                                       const QString& start) {
    dialogs.append({caption, filter, start});
    return nextFileName.isEmpty() ? QString() : nextFileName.dequeue();
}

QString ScriptedPlatform::saveFileName(QWidget*, const QString& caption, const QString& filter,
                                       const QString& defaultSuffix, const QString& start) {
    dialogs.append({caption, filter, start});
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
