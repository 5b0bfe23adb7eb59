#pragma once

namespace targello {

// The four controls of an item that a user works with, in the order a
// screen reader lists them.
enum class ItemField { Picture, Name, Price, Description };

inline constexpr int ItemFieldCount = 4;

// One field of one item: what the mouse is over, which control had the
// focus, where a live control sits.
struct ItemFieldRef {
    int item = 0;
    ItemField field = ItemField::Name;

    friend bool operator==(const ItemFieldRef&, const ItemFieldRef&) = default;
};

} // namespace targello
