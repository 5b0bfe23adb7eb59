#include "gui/publish/PublishOutcomeText.h"

#include "core/publish/PublishErrorText.h"

namespace targello {

QString TrustQuestion(const RemoteError& error, const PublishAddress& address) {
    return QStringLiteral(
               "%1\n\nSerwer: %2, port %3\nOdcisk SHA-256: %4\n\nCzy przyjąć ten odcisk i zapamiętać go "
               "dla tego serwera?")
        .arg(QString::fromStdString(PublishErrorText(error, address.Host)),
             QString::fromStdString(address.Host))
        .arg(address.Port)
        .arg(QString::fromStdString(error.Fingerprint));
}

QString MissingFolderQuestion(const PublishAddress& address) {
    return QStringLiteral(
               "Na serwerze „%1” nie ma folderu „%2”.\n\nCzy utworzyć go i opublikować w nim sklep? "
               "Jeśli nazwa folderu jest błędna, wybierz „Anuluj” i popraw ją w ustawieniach "
               "publikacji.")
        .arg(QString::fromStdString(address.Host), QString::fromStdString(address.Folder));
}

QString FailureText(const PublishOutcome& outcome, const PublishAddress& address) {
    if (outcome.Error && outcome.Error->Problem == RemoteProblem::Cancelled && outcome.OldShopStands)
        return QString::fromUtf8(CancelledText);
    const QString reason = outcome.Error
                               ? QString::fromStdString(PublishErrorText(*outcome.Error, address.Host))
                               : QStringLiteral("Publikacja nie powiodła się.");
    return reason +
           (outcome.OldShopStands
                ? QStringLiteral("\n\nW internecie jest nadal poprzednia wersja sklepu.")
                : QStringLiteral("\n\nCzęść nowego sklepu jest już na serwerze; opublikuj sklep ponownie, "
                                 "a program dośle resztę."));
}

PublishedText PublishedMessage(const PublishOutcome& outcome, const std::optional<PageCheckResult>& check,
                               const PublishAddress& address, const QString& notes) {
    PublishedText shown;
    const QString sent = QStringLiteral("Wysłane pliki: %1.").arg(outcome.FilesSent);
    if (!check) {
        shown.Text =
            QStringLiteral("Sklep opublikowano na serwerze „%1”. %2\n\nPodaj w ustawieniach publikacji "
                           "adres sklepu w internecie, a program sprawdzi, czy strona jest online.")
                .arg(QString::fromStdString(address.Host), sent);
    } else {
        shown.Url = QString::fromStdString(check->Url);
        if (check->Result == PageCheckResult::Kind::Online)
            shown.Text = QStringLiteral("Sklep jest online: %1\n\n%2").arg(shown.Url, sent);
        else if (check->Result == PageCheckResult::Kind::Different)
            shown.Text = QStringLiteral("Sklep wysłano na serwer, ale pod adresem %1 jest inna strona niż "
                                        "wysłana; może to być kopia z pamięci podręcznej serwera albo adres "
                                        "wskazuje inny folder.\n\n%2")
                             .arg(shown.Url, sent);
        else
            shown.Text = QStringLiteral("Sklep wysłano na serwer: %1\n\nStrony pod tym adresem nie udało się "
                                        "sprawdzić (%2). %3")
                             .arg(shown.Url, QString::fromStdString(check->Problem), sent);
    }
    if (!notes.isEmpty())
        shown.Text += QStringLiteral("\n\n") + notes;
    return shown;
}

} // namespace targello
