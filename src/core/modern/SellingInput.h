#pragma once

#include "core/settings/SellingSettings.h"

#include <string>
#include <string_view>
#include <vector>

namespace targello {

// The delivery methods as the options dialog edits them: one a line,
// "Kurier;15,00"; blank lines are skipped, a line without ";" is free.
std::string DeliveryListText(const std::vector<DeliveryMethod>& methods);
std::vector<DeliveryMethod> ParseDeliveryList(std::string_view text);

// Why these settings cannot be stored, in Polish (the first problem found:
// an account number that is wrong, a price that is no amount), or "".
std::string SellingProblem(const SellingSettings& selling);

} // namespace targello
