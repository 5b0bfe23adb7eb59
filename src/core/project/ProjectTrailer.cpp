#include "core/project/ProjectTrailer.h"

#include "core/project/PolishCount.h"
#include "core/project/DeliveryLines.h"
#include "core/project/TrailerFields.h"
#include "core/settings/ShopSettings.h"

#include <set>

namespace targello {
namespace {

using LinesOutcome = ProjectOutcome<std::vector<std::string>>;

std::string_view keyOf(std::string_view line) {
    return line.substr(0, line.find('='));
}

bool isKeyCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

// Whether `text` is well-formed UTF-8 (shortest forms, no surrogates).
bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            length = 2, code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3, code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4, code = c & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
            (length == 4 && (code < 0x10000 || code > 0x10FFFF)))
            return false;
        i += length;
    }
    return true;
}

std::string lineProblem(std::string_view line, int number) {
    const std::string where = "wiersz " + std::to_string(number) + " dodatkowych ustawień ";
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return where + "nie ma znaku „=”";
    if (equals == 0)
        return where + "nie ma nazwy przed znakiem „=”";
    for (char c : line.substr(0, equals))
        if (!isKeyCharacter(c))
            return where + "ma niedozwolony znak w nazwie";
    for (char c : line)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
            return where + "zawiera znak sterujący";
    return {};
}

std::uint32_t lengthAt(std::string_view bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t k = 4; k-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + k]);
    return value;
}

// Takes `line` into the text setting it names; false for a key of no such setting.
bool applyTextField(std::string_view line, ShopSettings& settings) {
    const std::string_view key = keyOf(line);
    for (const TrailerField& field : TrailerTextFields())
        if (field.Key == key) {
            field.Text(settings) = UnescapeTrailerValue(line.substr(key.size() + 1));
            return true;
        }
    return false;
}

} // namespace

std::string SerializeTrailer(const std::vector<std::string>& lines) {
    if (lines.empty())
        return {};
    std::string body;
    for (const std::string& line : lines)
        body += line + '\n';
    std::string bytes(ProjectTrailer::Magic);
    const auto length = static_cast<std::uint32_t>(body.size());
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((length >> shift) & 0xFF);
    return bytes + body;
}

ProjectOutcome<std::vector<std::string>> ParseTrailer(std::string_view bytes) {
    if (bytes.size() < ProjectTrailer::HeadSize || bytes.substr(0, 8) != ProjectTrailer::Magic)
        return LinesOutcome::Failure("po opisie linków są dane, które nie są dodatkowymi ustawieniami");
    const std::uint32_t length = lengthAt(bytes, 8);
    const std::string_view body = bytes.substr(ProjectTrailer::HeadSize);
    if (length > ProjectTrailer::MaxBodySize)
        return LinesOutcome::Failure("dodatkowe ustawienia są za długie: mają " +
                                     PolishCount(static_cast<long long>(length), "bajt", "bajty", "bajtów") +
                                     ", a mogą mieć najwyżej 1 MiB (1048576 bajtów)");
    if (body.size() != length)
        return LinesOutcome::Failure("długość dodatkowych ustawień (" + std::to_string(length) +
                                     ") nie zgadza się z końcem pliku");
    if (!isUtf8(body))
        return LinesOutcome::Failure("dodatkowe ustawienia nie są tekstem UTF-8");
    if (!body.empty() && body.back() != '\n')
        return LinesOutcome::Failure("ostatni wiersz dodatkowych ustawień nie ma zakończenia");
    std::vector<std::string> lines;
    std::set<std::string_view> keys;
    for (std::size_t start = 0; start < body.size();) {
        const std::size_t end = body.find('\n', start);
        const std::string_view line = body.substr(start, end - start);
        const int number = static_cast<int>(lines.size()) + 1;
        if (std::string problem = lineProblem(line, number); !problem.empty())
            return LinesOutcome::Failure(problem);
        if (!keys.insert(keyOf(line)).second)
            return LinesOutcome::Failure("ustawienie „" + std::string(keyOf(line)) +
                                         "” występuje w pliku dwa razy");
        lines.emplace_back(line);
        start = end + 1;
    }
    return {std::move(lines), {}};
}

std::vector<std::string> TrailerLinesFromSettings(const ShopSettings& settings) {
    std::vector<std::string> lines;
    for (const std::string& line : settings.OtherProjectLines)
        if (keyOf(line) != ProjectTrailer::PageKey || !settings.ModernPage)
            lines.push_back(line);
    if (settings.ModernPage)
        lines.push_back(std::string(ProjectTrailer::PageKey) + "=" +
                        std::string(ProjectTrailer::ModernValue));
    for (const TrailerField& field : TrailerTextFields())
        if (const std::string& text = field.Of(settings); !text.empty())
            lines.push_back(std::string(field.Key) + "=" + EscapeTrailerValue(text));
    AppendDeliveryLines(settings.Selling.Delivery, lines);
    return lines;
}

void ApplyTrailerLines(const std::vector<std::string>& lines, ShopSettings& settings) {
    settings.ModernPage = false;
    settings.OtherProjectLines.clear();
    const std::string modern =
        std::string(ProjectTrailer::PageKey) + "=" + std::string(ProjectTrailer::ModernValue);
    const std::string classic =
        std::string(ProjectTrailer::PageKey) + "=" + std::string(ProjectTrailer::ClassicValue);
    for (const TrailerField& field : TrailerTextFields())
        field.Text(settings).clear();
    settings.Selling.Delivery.clear();
    DeliveryLinesRead delivery;
    for (const std::string& line : lines) {
        if (line == modern)
            settings.ModernPage = true;
        else if (line != classic && !applyTextField(line, settings) && !ReadDeliveryLine(line, delivery))
            settings.OtherProjectLines.push_back(line);
    }
    settings.Selling.Delivery = DeliveryInOrder(delivery);
}

} // namespace targello
