#include "core/settings/MenuLinkWarnings.h"

#include "core/settings/RelativeLink.h"
#include "core/settings/ShopSettings.h"

namespace targello {

std::vector<std::string> MenuLinkWarnings(const ShopSettings& edited) {
    std::vector<std::string> lines;
    for (int k = 0; k < ShopSettings::ShownLinkCount; ++k) {
        const MenuLink& link = edited.MenuLinks[static_cast<std::size_t>(k)];
        if (link.Name.empty())
            continue;
        if (const std::string scheme = CodeRunningScheme(link.Path); !scheme.empty())
            lines.push_back("Link menu „" + link.Name + "” prowadzi do adresu „" + scheme +
                            ":”, który uruchamia kod; zapisano go jako nieaktywny.");
    }
    return lines;
}

} // namespace targello
