#include "core/session/RecoveryNote.h"

#include <sstream>

namespace targello {
namespace {

constexpr const char* FirstLine = "targello-odzysk 1";

std::string escaped(const std::string& value) {
    std::string text;
    for (const char c : value) {
        if (c == '\\')
            text += "\\\\";
        else if (c == '\n')
            text += "\\n";
        else if (c == '\r')
            text += "\\r";
        else
            text += c;
    }
    return text;
}

std::optional<std::string> unescaped(const std::string& text) {
    std::string value;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] != '\\') {
            value += text[k];
            continue;
        }
        if (++k == text.size())
            return std::nullopt;
        switch (text[k]) {
        case '\\':
            value += '\\';
            break;
        case 'n':
            value += '\n';
            break;
        case 'r':
            value += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return value;
}

} // namespace

std::string FormatRecoveryNote(const RecoveryNote& note) {
    return std::string(FirstLine) + "\npodpis=" + escaped(note.Caption) + "\nplik=" + escaped(note.UserFile) +
           "\n";
}

std::optional<RecoveryNote> ParseRecoveryNote(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != FirstLine)
        return std::nullopt;
    RecoveryNote note;
    while (std::getline(lines, line)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            return std::nullopt;
        const std::string key = line.substr(0, equals);
        const std::optional<std::string> value = unescaped(line.substr(equals + 1));
        if (!value)
            return std::nullopt;
        if (key == "podpis") {
            note.Caption = *value;
        } else if (key == "plik") {
            note.UserFile = *value;
        }
        // Other keys come from a later version of the program: skipped.
    }
    return note;
}

} // namespace targello
