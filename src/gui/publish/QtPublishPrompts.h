#pragma once

#include "gui/publish/PublishPrompts.h"

namespace targello {

class Platform;

// The prompts as real dialogs.
class QtPublishPrompts : public PublishPrompts {
public:
    explicit QtPublishPrompts(Platform& platform) : platform_(platform) {}

    bool editConnection(QWidget* owner, ShopSettings& values) override;
    std::optional<PasswordAnswer> askPassword(QWidget* owner, const QString& account,
                                              bool canRemember) override;
    void showPublished(QWidget* owner, const QString& text, const QString& url) override;

private:
    Platform& platform_;
};

} // namespace targello
