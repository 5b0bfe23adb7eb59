#include "core/modern/WebFileName.h"

#include "core/settings/Utf8Text.h"

namespace targello {
namespace {

// The base letter of a Polish letter, or 0 for any other character.
char polishBase(char32_t c) {
    switch (c) {
    case U'ą':
    case U'Ą':
        return 'a';
    case U'ć':
    case U'Ć':
        return 'c';
    case U'ę':
    case U'Ę':
        return 'e';
    case U'ł':
    case U'Ł':
        return 'l';
    case U'ń':
    case U'Ń':
        return 'n';
    case U'ó':
    case U'Ó':
        return 'o';
    case U'ś':
    case U'Ś':
        return 's';
    case U'ź':
    case U'Ź':
    case U'ż':
    case U'Ż':
        return 'z';
    default:
        return 0;
    }
}

char webLetter(char32_t c) {
    if ((c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9'))
        return static_cast<char>(c);
    if (c >= U'A' && c <= U'Z')
        return static_cast<char>(c - U'A' + U'a');
    return polishBase(c);
}

} // namespace

std::string WebFileStem(std::string_view name) {
    std::string stem;
    for (std::size_t at = 0; at < name.size();) {
        const char letter = webLetter(NextCodePoint(name, at));
        if (letter != 0)
            stem += letter;
        else if (!stem.empty() && stem.back() != '-')
            stem += '-';
    }
    if (!stem.empty() && stem.back() == '-')
        stem.pop_back();
    return stem.empty() ? "obrazek" : stem;
}

} // namespace targello
