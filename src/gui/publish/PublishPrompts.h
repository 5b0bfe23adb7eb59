#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace targello {

struct ShopSettings;

struct PasswordAnswer {
    QString Password;
    bool Remember = false; // "Zapamiętaj hasło": into the system's keyring
};

// The questions a publish asks the trader beyond plain message boxes, behind
// one interface so that tests answer them from a script.
class PublishPrompts {
public:
    virtual ~PublishPrompts() = default;

    // The connection dialog on `values` (the page's settings): true once the
    // trader confirmed it, with `Publication` and `PublicAddress` stored.
    virtual bool editConnection(QWidget* owner, ShopSettings& values) = 0;
    // The password of `account` ("user@host"); nothing where the trader
    // cancelled. `canRemember` shows the "Zapamiętaj hasło" box.
    virtual std::optional<PasswordAnswer> askPassword(QWidget* owner, const QString& account,
                                                      bool canRemember) = 0;
    // The end of a publish that reached the server: `text`, in which `url`
    // (may be empty) is shown as a link.
    virtual void showPublished(QWidget* owner, const QString& text, const QString& url) = 0;
};

} // namespace targello
