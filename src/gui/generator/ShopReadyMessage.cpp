#include "gui/generator/ShopReadyMessage.h"

#include "gui/common/AppContext.h"
#include "gui/platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace targello {

void ShowShopReady(AppContext& app, const QString& path, const QString& pictures, const QString& orderNote) {
    QStringList paragraphs{pictures.isEmpty() ? QStringLiteral("Sklep zapisano w pliku:\n%1").arg(path)
                                              : pictures};
    if (!orderNote.isEmpty())
        paragraphs.append(orderNote);
    const QStringList answers{QStringLiteral("Otwórz w przeglądarce"), QStringLiteral("Pokaż w folderze"),
                              QStringLiteral("Zamknij")};
    switch (app.platform().ask(app.window(), paragraphs.join(QStringLiteral("\n\n")), answers)) {
    case 0:
        app.platform().openInShell(path);
        break;
    case 1:
        app.platform().openInShell(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        break;
    default:
        break;
    }
}

} // namespace targello
