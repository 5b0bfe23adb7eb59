#include "core/project/DeliveryLines.h"

#include "core/project/TrailerFields.h"

#include <charconv>

namespace targello {
namespace {

constexpr std::string_view Prefix = "dostawa.";

// The number of a "dostawa.N" key, or 0 for another key.
int numberOf(std::string_view key) {
    if (!key.starts_with(Prefix))
        return 0;
    const std::string_view digits = key.substr(Prefix.size());
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || end != digits.data() + digits.size() || digits.starts_with('0'))
        return 0;
    return number;
}

} // namespace

void AppendDeliveryLines(const std::vector<DeliveryMethod>& methods, std::vector<std::string>& lines) {
    for (std::size_t k = 0; k < methods.size(); ++k)
        lines.push_back(std::string(Prefix) + std::to_string(k + 1) + "=" +
                        EscapeTrailerValue(methods[k].Name + ";" + methods[k].Price));
}

bool ReadDeliveryLine(std::string_view line, DeliveryLinesRead& read) {
    const std::size_t equals = line.find('=');
    const int number = numberOf(line.substr(0, equals));
    if (number == 0)
        return false;
    const std::string value = UnescapeTrailerValue(line.substr(equals + 1));
    const std::size_t semicolon = value.rfind(';');
    DeliveryMethod& method = read[number];
    method.Name = value.substr(0, semicolon);
    if (semicolon != std::string::npos)
        method.Price = value.substr(semicolon + 1);
    return true;
}

std::vector<DeliveryMethod> DeliveryInOrder(const DeliveryLinesRead& read) {
    std::vector<DeliveryMethod> methods;
    for (const auto& [number, method] : read)
        methods.push_back(method);
    return methods;
}

} // namespace targello
