#include "core/modern/SellingInput.h"

#include "core/settings/BankAccount.h"
#include "core/workspace/PriceText.h"

namespace targello {
namespace {

std::string trimmedField(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r");
    if (start == std::string_view::npos)
        return {};
    return std::string(text.substr(start, text.find_last_not_of(" \t\r") - start + 1));
}

bool isAmount(const std::string& price) {
    return price.empty() || PriceInTenThousandths(price).has_value();
}

} // namespace

std::string DeliveryListText(const std::vector<DeliveryMethod>& methods) {
    std::string text;
    for (const DeliveryMethod& method : methods)
        text += method.Name + ";" + method.Price + "\n";
    return text;
}

std::vector<DeliveryMethod> ParseDeliveryList(std::string_view text) {
    std::vector<DeliveryMethod> methods;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        const std::size_t semicolon = line.rfind(';');
        DeliveryMethod method{trimmedField(line.substr(0, semicolon)),
                              semicolon == std::string_view::npos ? ""
                                                                  : trimmedField(line.substr(semicolon + 1))};
        if (!method.Name.empty() || !method.Price.empty())
            methods.push_back(std::move(method));
        start = end + 1;
    }
    return methods;
}

std::string SellingProblem(const SellingSettings& s) {
    if (s.OffersTransfer())
        if (const BankAccount account = ReadBankAccount(s.TransferAccount); !account.Good())
            return account.Problem;
    for (const DeliveryMethod& method : s.Delivery) {
        if (method.Name.empty())
            return "Sposób dostawy z ceną „" + method.Price + "” nie ma nazwy.";
        if (!isAmount(method.Price))
            return "Cena dostawy „" + method.Name + "” nie jest kwotą: „" + method.Price + "”.";
    }
    if (!isAmount(s.FreeDeliveryFrom))
        return "Kwota darmowej dostawy nie jest kwotą: „" + s.FreeDeliveryFrom + "”.";
    if (!isAmount(s.CashOnDeliveryCost))
        return "Dopłata za płatność przy odbiorze nie jest kwotą: „" + s.CashOnDeliveryCost + "”.";
    return {};
}

} // namespace targello
