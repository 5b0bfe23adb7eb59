#pragma once

#include <optional>
#include <string>

namespace targello {

// A value, or the Polish message that says why there is none.
template <class T> struct ProjectOutcome {
    std::optional<T> Value;
    std::string Error;

    explicit operator bool() const { return Value.has_value(); }

    static ProjectOutcome Failure(std::string message) { return {std::nullopt, std::move(message)}; }
};

} // namespace targello
