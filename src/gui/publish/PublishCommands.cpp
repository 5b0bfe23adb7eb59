#include "gui/publish/PublishCommands.h"

#include "core/generator/GenerateShop.h"
#include "core/publish/Fingerprint.h"
#include "core/publish/PublishErrorText.h"
#include "core/publish/TrustStore.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"
#include "gui/common/AppContext.h"
#include "gui/generator/GeneratorCommands.h"
#include "gui/platform/Platform.h"
#include "gui/publish/PasswordKeeper.h"
#include "gui/publish/PublishOutcomeText.h"
#include "gui/publish/PublishProgressWindow.h"
#include "gui/publish/PublishPrompts.h"
#include "gui/publish/PublishTools.h"

#include <QCryptographicHash>
#include <QDir>

namespace targello {
namespace {

QString hostOf(const PublishAddress& address) {
    return QString::fromStdString(address.Host);
}

// One folder per project file, so that a second publish finds the pictures
// the first one made and sends only what changed.
QString exportPath(const PublishTools& tools, const ShopPage& page) {
    const QString project = page.ProjectPath().empty() ? QStringLiteral("nowy-%1").arg(page.Serial())
                                                       : QString::fromStdString(page.ProjectPath());
    const QString folder = QString::fromLatin1(
        QCryptographicHash::hash(project.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
    const QString dir = QDir(tools.ExportFolder).filePath(folder);
    QDir().mkpath(dir);
    return QDir::toNativeSeparators(
        QDir(dir).filePath(QString::fromStdString(PublishedPageName(page.Settings.PublicAddress))));
}

std::optional<RemoteError> connectOnce(PublishProgressWindow& window, PublishSession& session,
                                       const std::optional<Sha256::Digest>& accepted, bool& remembered,
                                       bool makeFolder = false) {
    return window.run([&]() -> std::optional<RemoteError> {
        try {
            remembered = session.Connect(accepted, makeFolder);
            return std::nullopt;
        } catch (const RemoteError& error) {
            return error;
        }
    });
}

bool isUnknownIdentity(const RemoteError& error) {
    return (error.Problem == RemoteProblem::CertificateUnknown ||
            error.Problem == RemoteProblem::KeyUnknown) &&
           ParseFingerprint(error.Fingerprint).has_value();
}

// Connects; a certificate or key seen for the first time is accepted only
// by the trader, who sees its fingerprint.
bool connectTrusted(AppContext& app, PublishTools& tools, PublishProgressWindow& window,
                    PublishSession& session) {
    const PublishAddress& address = session.Address();
    window.setStage(QStringLiteral("Łączenie z serwerem „%1”…").arg(hostOf(address)));
    bool remembered = true;
    std::optional<Sha256::Digest> accepted;
    std::optional<RemoteError> error = connectOnce(window, session, accepted, remembered);
    if (error && isUnknownIdentity(*error) && !window.cancelled()) {
        window.hide();
        if (app.platform().ask(app.window(), TrustQuestion(*error, address),
                               {QStringLiteral("Przyjmij"), QStringLiteral("Anuluj")}) != 0)
            return false;
        accepted = ParseFingerprint(error->Fingerprint);
        error = connectOnce(window, session, accepted, remembered);
    }
    if (error && error->Problem == RemoteProblem::FolderMissing && !window.cancelled()) {
        window.hide();
        if (app.platform().ask(app.window(), MissingFolderQuestion(address),
                               {QStringLiteral("Utwórz folder"), QStringLiteral("Anuluj")}) != 0)
            return false;
        error = connectOnce(window, session, accepted, remembered, true);
    }
    if (error) {
        window.hide();
        if (error->Problem == RemoteProblem::LoginDenied)
            tools.passwords().forget(address);
        if (window.cancelled())
            app.platform().showMessage(app.window(), QString::fromUtf8(CancelledText));
        else
            app.platform().showError(app.window(),
                                     QString::fromStdString(PublishErrorText(*error, address.Host)));
        return false;
    }
    if (!remembered)
        app.platform().showWarning(app.window(), QStringLiteral("Targello"),
                                   QStringLiteral("Nie udało się zapamiętać odcisku serwera w pliku „%1”; "
                                                  "przy następnej publikacji program zapyta o niego znowu.")
                                       .arg(QString::fromStdString(tools.TrustFile.string())));
    return true;
}

struct SendOutcome {
    PublishResult Result;
    std::optional<PageCheckResult> Check;
};

SendOutcome send(PublishTools& tools, PublishProgressWindow& window, PublishSession& session,
                 const QString& page, const std::string& publicAddress) {
    window.setStage(QStringLiteral("Wysyłanie sklepu na serwer „%1”…").arg(hostOf(session.Address())));
    window.show();
    const std::filesystem::path pagePath = page.toStdString();
    return window.run([&] {
        SendOutcome outcome;
        const std::atomic<bool>& cancel = window.cancelFlag();
        outcome.Result = session.Send(
            pagePath, [&tools, &cancel](int attempt) { tools.Wait(attempt, cancel); },
            [&window](const PublishProgress& progress) { return window.report(progress); });
        if (outcome.Result.Outcome.Succeeded && !publicAddress.empty())
            outcome.Check = CheckPublishedPage(publicAddress, pagePath, tools.Fetch);
        return outcome;
    });
}

void tellOutcome(AppContext& app, PublishTools& tools, const PublishAddress& address, const SendOutcome& sent,
                 const QString& notes) {
    const PublishOutcome& outcome = sent.Result.Outcome;
    if (!sent.Result.ExportProblem.empty()) {
        app.platform().showError(app.window(), QString::fromStdString(sent.Result.ExportProblem));
        return;
    }
    if (!outcome.Succeeded) {
        if (outcome.Error && outcome.Error->Problem == RemoteProblem::LoginDenied)
            tools.passwords().forget(address);
        const bool cancelled = outcome.Error && outcome.Error->Problem == RemoteProblem::Cancelled;
        if (cancelled && outcome.OldShopStands)
            app.platform().showMessage(app.window(), FailureText(outcome, address));
        else
            app.platform().showError(app.window(), FailureText(outcome, address));
        return;
    }
    const PublishedText shown = PublishedMessage(outcome, sent.Check, address, notes);
    tools.prompts().showPublished(app.window(), shown.Text, shown.Url);
}

} // namespace

bool EditPublishSettings(AppContext& app, PublishTools& tools) {
    ShopPage* page = app.workspace().Current();
    if (page == nullptr)
        return false;
    ShopSettings values = page->Settings;
    if (!tools.prompts().editConnection(app.window(), values))
        return false;
    // The options dialog's working copy follows, so that its OK keeps them.
    app.editedSettings().Values.Publication = values.Publication;
    app.editedSettings().Values.PublicAddress = values.PublicAddress;
    page->SetSettings(std::move(values));
    return true;
}

void PublishShop(AppContext& app, PublishTools& tools) {
    ShopPage* page = app.workspace().Current();
    if (page == nullptr || (page->Settings.Publication.empty() && !EditPublishSettings(app, tools)))
        return;
    std::string problem;
    const std::optional<PublishAddress> address = PublishAddress::Parse(page->Settings.Publication, problem);
    if (!address) {
        app.platform().showError(app.window(), QString::fromStdString(problem));
        return;
    }
    const std::optional<QString> password = tools.passwords().password(app.window(), *address);
    if (!password)
        return;
    const std::string publicAddress = page->Settings.PublicAddress;
    const QString path = exportPath(tools, *page);
    const std::optional<QString> notes =
        WriteShopFiles(app, QString::fromStdString(ExportBaseName(path.toStdString())), path);
    if (!notes)
        return;

    PublishProgressWindow window(app.window());
    TrustStore trust(tools.TrustFile);
    PublishSession session(*address, trust, [&](const std::optional<Sha256::Digest>& accepted) {
        return tools.Open(*address, password->toStdString(), accepted,
                          [&window] { return !window.cancelled(); });
    });
    if (!connectTrusted(app, tools, window, session))
        return;
    const SendOutcome sent = send(tools, window, session, path, publicAddress);
    window.hide();
    tellOutcome(app, tools, *address, sent, *notes);
}

} // namespace targello
