#pragma once

#include "core/settings/SellingSettings.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace targello {

// Delivery methods travel in the trailer as "dostawa.1=Kurier;15,00",
// "dostawa.2=…", numbered from 1 in the order the trader listed them. The
// name is everything before the last ";", so a name may hold one itself.
void AppendDeliveryLines(const std::vector<DeliveryMethod>& methods, std::vector<std::string>& lines);

// Takes a "dostawa.N" line into `read` under its number; false for any
// other line. The methods in the order of their numbers make the list.
using DeliveryLinesRead = std::map<int, DeliveryMethod>;
bool ReadDeliveryLine(std::string_view line, DeliveryLinesRead& read);
std::vector<DeliveryMethod> DeliveryInOrder(const DeliveryLinesRead& read);

} // namespace targello
