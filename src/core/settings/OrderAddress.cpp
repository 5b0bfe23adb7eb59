#include "core/settings/OrderAddress.h"

#include <algorithm>

namespace targello {

namespace {

bool IsBlankOrControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F;
}

} // namespace

std::string OrderAddressProblem(std::string_view address) {
    if (address.empty())
        return {};
    if (std::any_of(address.begin(), address.end(), IsBlankOrControl))
        return "adres nie może zawierać spacji ani znaków końca wiersza";
    if (address.find_first_of("?&") != std::string_view::npos)
        return "adres nie może zawierać znaków „?” ani „&”";
    const std::size_t at = address.find('@');
    if (at == std::string_view::npos)
        return "brak znaku „@”";
    if (address.find('@', at + 1) != std::string_view::npos)
        return "znak „@” może wystąpić tylko raz";
    if (at == 0)
        return "brak nazwy przed znakiem „@”";
    const std::string_view domain = address.substr(at + 1);
    const std::size_t dot = domain.find('.');
    if (domain.empty() || dot == std::string_view::npos || dot == 0 || domain.back() == '.' ||
        domain.find("..") != std::string_view::npos)
        return "po znaku „@” musi być domena z kropką, np. sklep.pl";
    return {};
}

std::string OrderAddressMessage(std::string_view address) {
    const std::string problem = OrderAddressProblem(address);
    if (problem.empty())
        return {};
    return std::string("Pole „") + OrderAddressField + "”: " + problem + ".";
}

} // namespace targello

namespace targello {

std::string OrderAddressExportNote(std::string_view address) {
    return address.empty() ? std::string(NoOrderAddressWarning) : OrderAddressMessage(address);
}

} // namespace targello
