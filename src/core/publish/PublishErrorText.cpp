#include "core/publish/PublishErrorText.h"

namespace targello {
namespace {

std::string quoted(const std::string& text) {
    return "„" + text + "”";
}

std::string reason(const RemoteError& error, const std::string& host) {
    const std::string server = "serwer " + quoted(host);
    switch (error.Problem) {
    case RemoteProblem::HostNotFound:
        return "Nie znaleziono serwera " + quoted(host) + ". Sprawdź jego nazwę i połączenie z internetem.";
    case RemoteProblem::Refused:
        return "Serwer " + quoted(host) + " nie przyjmuje połączeń. Sprawdź protokół i port.";
    case RemoteProblem::TimedOut:
        return "Serwer " + quoted(host) + " nie odpowiada w wyznaczonym czasie.";
    case RemoteProblem::LoginDenied:
        return "Serwer " + quoted(host) + " nie przyjął nazwy użytkownika albo hasła.";
    case RemoteProblem::NoPermission:
        return "Brak uprawnień do zapisu na serwerze " + quoted(host) + ".";
    case RemoteProblem::NoSpace:
        return "Na serwerze " + quoted(host) + " zabrakło miejsca (limit konta jest wyczerpany).";
    case RemoteProblem::Closed:
        return "Serwer " + quoted(host) + " zerwał połączenie.";
    case RemoteProblem::CertificateUnknown:
        return "Certyfikatu serwera " + quoted(host) +
               " nie potwierdza żaden urząd certyfikacji znany systemowi. Jego odcisk SHA-256 to " +
               error.Fingerprint +
               ". Przyjmij go tylko wtedy, gdy zgadza się z odciskiem podanym przez firmę " + "hostingową.";
    case RemoteProblem::CertificateChanged:
        return "Certyfikat serwera " + quoted(host) +
               " jest inny niż przyjęty wcześniej (nowy odcisk SHA-256: " + error.Fingerprint +
               "). Firma hostingowa mogła go wymienić, ale może to też znaczyć, że ktoś " +
               "podszywa się pod serwer, by przechwycić hasło. Nie publikuj, dopóki hosting nie potwierdzi " +
               "nowego odcisku.";
    case RemoteProblem::KeyUnknown:
        return "Serwer " + quoted(host) +
               " przedstawia się kluczem, którego program jeszcze nie zna. Jego odcisk " + "to " +
               error.Fingerprint + ". Przyjmij go tylko wtedy, gdy zgadza się z odciskiem podanym przez " +
               "firmę hostingową.";
    case RemoteProblem::KeyChanged:
        return "Klucz serwera " + quoted(host) +
               " jest inny niż przyjęty wcześniej (nowy odcisk: " + error.Fingerprint +
               "). Firma hostingowa mogła go wymienić, ale może to też znaczyć, że ktoś " +
               "podszywa się pod serwer, by przechwycić hasło. Nie publikuj, dopóki hosting nie potwierdzi " +
               "nowego odcisku.";
    case RemoteProblem::FolderMissing:
        return "Na serwerze " + quoted(host) + " nie ma folderu " + quoted(error.File) + ".";
    case RemoteProblem::Cancelled:
        return "Publikację przerwano.";
    case RemoteProblem::SizeMismatch:
        return "Plik dotarł na " + server + " niepełny.";
    case RemoteProblem::Other:
        break;
    }
    return "Błąd połączenia z serwerem " + quoted(host) +
           (error.Detail.empty() ? "." : ": " + error.Detail + ".");
}

} // namespace

std::string PublishErrorText(const RemoteError& error, const std::string& host) {
    std::string text = reason(error, host);
    if (!error.File.empty() && error.Problem != RemoteProblem::FolderMissing &&
        error.Problem != RemoteProblem::Cancelled)
        text += " Plik: " + quoted(error.File) + ".";
    return text;
}

} // namespace targello
