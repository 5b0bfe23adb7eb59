#include "cli/PublishCommand.h"

#include "cli/ExportCommand.h"
#include "core/project/Utf8Path.h"
#include "core/publish/Fingerprint.h"
#include "core/publish/PublishAddress.h"
#include "core/publish/PublishErrorText.h"
#include "core/publish/PublishSession.h"
#include "core/publish/Publisher.h"
#include "core/publish/TrustStore.h"
#include "core/settings/ShopSettings.h"

#ifdef TARGELLO_HAS_PUBLISH
#include "net/CurlRemoteFolder.h"
#include "net/PageCheck.h"
#endif

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

namespace targello {
namespace {

constexpr const char* MessagePrefix = "targello-export: ";

#ifdef TARGELLO_HAS_PUBLISH
// Keeps a password typed at a terminal off the screen while it is read.
class HiddenTyping {
public:
    HiddenTyping(const PublishAddress& address, std::istream& in, std::ostream& err) {
#ifdef _WIN32
        console_ = GetStdHandle(STD_INPUT_HANDLE);
        if (&in != &std::cin || !GetConsoleMode(console_, &saved_))
            return;
        active_ = SetConsoleMode(console_, saved_ & ~static_cast<DWORD>(ENABLE_ECHO_INPUT)) != 0;
#else
        if (&in != &std::cin || !isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &saved_) != 0)
            return;
        termios hidden = saved_;
        hidden.c_lflag &= static_cast<tcflag_t>(~ECHO);
        active_ = tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden) == 0;
#endif
        err << "Hasło dla " << address.User << "@" << address.Host << ": " << std::flush;
    }
    ~HiddenTyping() {
        if (!active_)
            return;
#ifdef _WIN32
        SetConsoleMode(console_, saved_);
#else
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_);
#endif
        std::cerr << "\n";
    }

    // Whether the password is typed at a console or terminal, not piped in.
    bool Typed() const {
        return active_;
    }

private:
#ifdef _WIN32
    HANDLE console_ = nullptr;
    DWORD saved_ = 0;
#else
    termios saved_{};
#endif
    bool active_ = false;
};

#ifdef _WIN32
// A line typed at the Windows console, as UTF-8: the console's code page
// would lose the Polish letters of a password.
std::string consoleLine() {
    const HANDLE console = GetStdHandle(STD_INPUT_HANDLE);
    std::wstring typed;
    wchar_t buffer[256];
    DWORD read = 0;
    while (typed.find(L'\n') == std::wstring::npos && ReadConsoleW(console, buffer, 256, &read, nullptr) &&
           read > 0)
        typed.append(buffer, read);
    typed = typed.substr(0, typed.find_first_of(L"\r\n"));
    const int size = WideCharToMultiByte(CP_UTF8, 0, typed.data(), static_cast<int>(typed.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string line(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, typed.data(), static_cast<int>(typed.size()), line.data(), size, nullptr,
                        nullptr);
    return line;
}
#endif

std::string password(const PublishAddress& address, std::istream& in, std::ostream& err) {
    if (const char* given = std::getenv("TARGELLO_HASLO"))
        return given;
    std::string line;
    {
        const HiddenTyping hidden(address, in, err);
#ifdef _WIN32
        if (hidden.Typed())
            line = consoleLine();
        else
#endif
            std::getline(in, line);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

// Tells the shop is online only once its address serves the page just sent.
void checkPage(const std::string& publicAddress, const std::filesystem::path& page, std::ostream& out,
               std::ostream& err) {
    const PageCheckResult check = CheckPublishedPage(publicAddress, page, FetchPage);
    if (check.Result == PageCheckResult::Kind::Unchecked)
        err << MessagePrefix << "uwaga: sklep wysłano, ale strony pod adresem „" << check.Url
            << "” nie udało się sprawdzić (" << check.Problem << ").\n";
    else if (check.Result == PageCheckResult::Kind::Different)
        err << MessagePrefix << "uwaga: pod adresem „" << check.Url
            << "” jest inna strona niż wysłana; może to być kopia z "
            << "pamięci podręcznej serwera albo adres wskazuje inny folder.\n";
    else
        out << "Sklep jest online: " << check.Url << "\n";
}

int publish(const PublishAddress& address, const std::filesystem::path& page, const PublishOptions& options,
            const std::string& secret, std::ostream& out, std::ostream& err) {
    TrustStore trust(TrustStore::DefaultFile());
    PublishSession session(address, trust, [&](const std::optional<Sha256::Digest>& accepted) {
        return std::make_unique<CurlRemoteFolder>(address, secret, accepted);
    });
    try {
        if (!session.Connect(ParseFingerprint(options.Fingerprint), options.MakeFolder))
            err << MessagePrefix << "uwaga: nie udało się zapamiętać odcisku serwera w pliku „"
                << Utf8FromPath(TrustStore::DefaultFile()) << "”.\n";
    } catch (const RemoteError& error) {
        err << MessagePrefix << PublishErrorText(error, address.Host) << "\n";
        if (!error.Fingerprint.empty())
            err << MessagePrefix << "aby go przyjąć, uruchom polecenie jeszcze raz z opcją --odcisk "
                << error.Fingerprint << "\n";
        if (error.Problem == RemoteProblem::FolderMissing)
            err << MessagePrefix << "popraw folder w adresie publikacji albo, aby go utworzyć, uruchom "
                << "polecenie jeszcze raz z opcją --utworz-folder\n";
        return ExportPublishFailed;
    }
    const PublishResult result = session.Send(
        page,
        [](int attempt) { std::this_thread::sleep_for(std::chrono::seconds(PublishPauseSeconds(attempt))); },
        {});
    if (!result.ExportProblem.empty()) {
        err << MessagePrefix << result.ExportProblem << "\n";
        return ExportPublishFailed;
    }
    const PublishOutcome& outcome = result.Outcome;
    if (!outcome.Succeeded) {
        err << MessagePrefix << PublishErrorText(*outcome.Error, address.Host) << "\n";
        if (!outcome.OldShopStands)
            err << MessagePrefix
                << "część nowego sklepu jest już na serwerze; uruchom publikację ponownie.\n";
        return outcome.OldShopStands ? ExportPublishFailed : ExportFailed;
    }
    out << "Opublikowano: wysłane pliki: " << outcome.FilesSent << ", bajty: " << outcome.BytesSent << ".\n";
    return ExportSucceeded;
}
#endif

} // namespace

bool IsFingerprintText(const std::string& text) {
    return ParseFingerprint(text).has_value();
}

int PublishExport(const ShopSettings& settings, const std::filesystem::path& page,
                  const PublishOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
    if (settings.Publication.empty()) {
        err << MessagePrefix
            << "projekt nie ma adresu publikacji; ustaw go w programie poleceniem „Opublikuj sklep”.\n";
        return ExportPublishFailed;
    }
    std::string problem;
    const std::optional<PublishAddress> address = PublishAddress::Parse(settings.Publication, problem);
    if (!address) {
        err << MessagePrefix << problem << "\n";
        return ExportPublishFailed;
    }
#ifdef TARGELLO_HAS_PUBLISH
    if (address->Protocol == PublishProtocol::Ftp)
        err << MessagePrefix
            << "uwaga: zwykłe FTP nie szyfruje połączenia: hasło i pliki można po drodze odczytać.\n";
    const int code = publish(*address, page, options, password(*address, in, err), out, err);
    if (code == ExportSucceeded && !settings.PublicAddress.empty())
        checkPage(settings.PublicAddress, page, out, err);
    return code;
#else
    (void)page, (void)options, (void)in, (void)out;
    err << MessagePrefix << "ta wersja programu nie umie publikować sklepów.\n";
    return ExportPublishFailed;
#endif
}

} // namespace targello
