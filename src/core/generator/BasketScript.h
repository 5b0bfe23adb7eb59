#pragma once

#include <string>

namespace targello {

// The script that keeps the visitor's basket: the item names n[], the
// quantities il[], the running total s; e() empties the basket, k() shows it,
// kwota() writes an amount with two decimals and a decimal comma, and
// wyslij() hands the order form to the visitor's mail program.
std::string BasketScript();

} // namespace targello
