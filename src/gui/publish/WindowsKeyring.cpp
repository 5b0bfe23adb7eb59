#include "gui/publish/WindowsKeyring.h"

#include <windows.h>
// After windows.h, which it needs.
#include <wincred.h>

namespace targello {
namespace {

// The name the Credential Manager shows, apart from other programs' entries.
std::wstring targetOf(const QString& key) {
    return (QStringLiteral("Targello/") + key).toStdWString();
}

QString systemMessage(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString message = length ? QString::fromWCharArray(text, static_cast<qsizetype>(length)).trimmed()
                             : QStringLiteral("błąd %1").arg(code);
    LocalFree(text);
    return message;
}

Keyring::Answer unavailable(DWORD code) {
    Keyring::Answer answer;
    answer.Result = Keyring::Answer::Kind::Unavailable;
    answer.Problem = QStringLiteral("Menedżer poświadczeń systemu Windows odmówił: ") + systemMessage(code);
    return answer;
}

} // namespace

Keyring::Answer WindowsKeyring::read(const QString& key) {
    const std::wstring target = targetOf(key);
    CREDENTIALW* found = nullptr;
    if (!CredReadW(target.c_str(), CRED_TYPE_GENERIC, 0, &found)) {
        const DWORD code = GetLastError();
        if (code != ERROR_NOT_FOUND)
            return unavailable(code);
        Answer answer;
        answer.Result = Answer::Kind::Missing;
        return answer;
    }
    Answer answer;
    answer.Result = Answer::Kind::Found;
    answer.Password = QString::fromUtf8(reinterpret_cast<const char*>(found->CredentialBlob),
                                        static_cast<qsizetype>(found->CredentialBlobSize));
    SecureZeroMemory(found->CredentialBlob, found->CredentialBlobSize);
    CredFree(found);
    return answer;
}

Keyring::Answer WindowsKeyring::write(const QString& key, const QString& password) {
    std::wstring target = targetOf(key);
    std::wstring user = key.toStdWString();
    QByteArray secret = password.toUtf8();
    CREDENTIALW credential = {};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = target.data();
    credential.UserName = user.data();
    credential.CredentialBlobSize = static_cast<DWORD>(secret.size());
    credential.CredentialBlob = reinterpret_cast<BYTE*>(secret.data());
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    const bool written = CredWriteW(&credential, 0);
    const DWORD code = GetLastError();
    secret.fill('\0');
    if (!written)
        return unavailable(code);
    Answer answer;
    answer.Result = Answer::Kind::Found;
    answer.Password = password;
    return answer;
}

void WindowsKeyring::remove(const QString& key) {
    const std::wstring target = targetOf(key);
    CredDeleteW(target.c_str(), CRED_TYPE_GENERIC, 0);
}

} // namespace targello
