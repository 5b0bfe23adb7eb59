#include "core/project/PageToProject.h"

#include "core/project/PolishCount.h"
#include "core/project/ProjectFields.h"
#include "core/project/ProjectTrailer.h"
#include "core/project/ProjectWriter.h"
#include "core/project/SettingsFields.h"
#include "core/project/Windows1250.h"

#include <cstdio>

namespace targello {
namespace {

// The first characters of a text, to name an item without quoting a page.
std::string shortened(const std::string& text) {
    constexpr int MaxCharacters = 40;
    int characters = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if ((static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80)
            continue;
        if (++characters > MaxCharacters)
            return text.substr(0, pos) + "…";
    }
    return text;
}

std::string codePointName(char32_t c) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(c));
    return hex;
}

std::string unencodableProblem(char32_t c) {
    if (c == Windows1250Text::InvalidUtf8)
        return "zawiera bajty, które nie są poprawnym tekstem UTF-8";
    const std::string shown =
        c < 0x20 ? codePointName(c) : "„" + CodePointToUtf8(c) + "” (" + codePointName(c) + ")";
    return "zawiera znak " + shown +
           ", którego nie da się zapisać w pliku projektu; usuń go lub zastąp innym";
}

// Converts the texts of one field after another; the first that does not
// fit is remembered and the rest are skipped.
class TextEncoder {
public:
    // How the field's owner is named after the field, e.g. („Kubek”).
    void SetOwner(const std::string& name) { owner_ = name.empty() ? "" : " („" + shortened(name) + "”)"; }
    const std::string& Error() const { return error_; }

    void Text(std::string& target, const std::string& utf8, ProjectField field, int number) {
        if (!error_.empty())
            return;
        Windows1250Text encoded = EncodeWindows1250(utf8);
        const std::size_t limit = FieldWidth(field) - 1;
        std::string problem;
        if (encoded.Failed)
            problem = unencodableProblem(encoded.Unencodable);
        else if (encoded.Bytes.size() > limit)
            problem = "ma " + characters(encoded.Bytes.size()) + ", a w pliku projektu mieści się najwyżej " +
                      std::to_string(limit);
        if (problem.empty())
            target = std::move(encoded.Bytes);
        else
            error_ =
                "Nie można zapisać projektu: " + FieldLabel(field, number) + owner_ + " " + problem + ".";
    }

private:
    static std::string characters(std::size_t n) {
        return PolishCount(static_cast<long long>(n), "znak", "znaki", "znaków");
    }

    std::string owner_;
    std::string error_;
};

void copyNumbers(const ShopSettings& s, ProjectRecord& r) {
    ForEachPlainSetting([&](auto setting, auto field) { r.*field = s.*setting; });
}

void encodeTexts(const ShopPage& page, ProjectRecord& r, TextEncoder& encoder) {
    const ShopSettings& s = page.Settings;
    ForEachTextSetting(
        [&](auto setting, auto text, ProjectField field) { encoder.Text(r.*text, s.*setting, field, 0); });
    r.Items.resize(page.Items().size());
    for (int k = 0; k < page.ItemCount(); ++k) {
        const ShopItem& item = page.Item(k);
        ProjectItem& target = r.Items[static_cast<std::size_t>(k)];
        encoder.SetOwner(item.Name);
        encoder.Text(target.Name, item.Name, ProjectField::ItemName, k + 1);
        encoder.Text(target.Price, item.Price, ProjectField::ItemPrice, k + 1);
        encoder.Text(target.Description, item.Description, ProjectField::ItemDescription, k + 1);
        encoder.Text(target.PicturePath, item.PicturePath, ProjectField::ItemPicturePath, k + 1);
    }
    for (int k = 0; k < ProjectLayout::LinkCount; ++k) {
        const MenuLink& link = s.MenuLinks[static_cast<std::size_t>(k)];
        ProjectLink& target = r.Links[static_cast<std::size_t>(k)];
        encoder.SetOwner(link.Name);
        encoder.Text(target.Name, link.Name, ProjectField::LinkName, k + 1);
        encoder.Text(target.Path, link.Path, ProjectField::LinkPath, k + 1);
    }
}

// The reader refuses a trailer over its limit, so a file saved with one
// would never open again: such a save is refused while the texts are still
// in the window to be shortened.
std::string trailerSizeProblem(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 1;
    if (size <= ProjectTrailer::MaxBodySize)
        return {};
    return "Nie można zapisać projektu: opis sklepu, regulamin i pozostałe dodatkowe ustawienia mają razem " +
           PolishCount(static_cast<long long>(size), "bajt", "bajty", "bajtów") +
           ", a w pliku projektu mieści się najwyżej 1 MiB (1048576 bajtów); skróć najdłuższy z tych "
           "tekstów.";
}

} // namespace

ProjectOutcome<ProjectRecord> RecordFromPage(const ShopPage& page) {
    ProjectRecord record;
    copyNumbers(page.Settings, record);
    record.TrailerLines = TrailerLinesFromSettings(page.Settings);
    if (std::string problem = trailerSizeProblem(record.TrailerLines); !problem.empty())
        return ProjectOutcome<ProjectRecord>::Failure(problem);
    TextEncoder encoder;
    encodeTexts(page, record, encoder);
    if (!encoder.Error().empty())
        return ProjectOutcome<ProjectRecord>::Failure(encoder.Error());
    return {std::move(record), {}};
}

ProjectOutcome<std::string> ProjectBytesFromPage(const ShopPage& page) {
    ProjectOutcome<ProjectRecord> record = RecordFromPage(page);
    if (!record)
        return ProjectOutcome<std::string>::Failure(record.Error);
    return {SerializeProject(*record.Value), {}};
}

} // namespace targello
