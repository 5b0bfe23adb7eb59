#pragma once

#include "core/publish/PublishAddress.h"
#include "core/publish/PublishSession.h"
#include "core/publish/Publisher.h"

#include <QString>
#include <optional>

namespace targello {

// What the trader reads after a cancelled publish: nothing of the new shop is online.
inline constexpr const char* CancelledText =
    "Publikację przerwano. W internecie jest nadal poprzednia wersja sklepu.";

// The question before a certificate or host key seen for the first time is
// trusted: host, port and its SHA-256 fingerprint.
QString TrustQuestion(const RemoteError& error, const PublishAddress& address);

// The question before the remote folder the address names is made.
QString MissingFolderQuestion(const PublishAddress& address);

// Why a publish failed, and whether the shop online is still the old one.
QString FailureText(const PublishOutcome& outcome, const PublishAddress& address);

struct PublishedText {
    QString Text;
    QString Url; // shown as a link; empty without a public address
};

// The message after a publish that reached the server, with the page
// check's result and the export's notes on pictures and links.
PublishedText PublishedMessage(const PublishOutcome& outcome, const std::optional<PageCheckResult>& check,
                               const PublishAddress& address, const QString& notes);

} // namespace targello
