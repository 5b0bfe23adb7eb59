#pragma once

namespace targello {

// The four controls of an item that a user works with, in the order a
// screen reader lists them.
enum class ItemField { Picture, Name, Price, Description };

inline constexpr int ItemFieldCount = 4;

} // namespace targello
