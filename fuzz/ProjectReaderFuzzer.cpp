// Feeds arbitrary bytes to the project reader. Besides crashes and undefined
// behaviour it checks what opening promises: a file is accepted only when its
// size fits its item count, and an accepted file survives writing it again
// and the trip through a shop page unchanged, prices reset and the page kind's
// line aside.
#include "core/project/PageToProject.h"
#include "core/project/ProjectReader.h"
#include "core/project/ProjectToPage.h"
#include "core/project/ProjectTrailer.h"
#include "core/project/ProjectWriter.h"
#include "core/workspace/PriceText.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace targello;

namespace {

void require(bool condition, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

// The trailer lines a page saves after reading `lines`: an explicit classic
// choice says nothing, and the modern choice is written last.
std::vector<std::string> savedTrailerLines(const std::vector<std::string>& lines) {
    const std::string modern = "strona=nowoczesna";
    std::vector<std::string> saved;
    bool isModern = false;
    for (const std::string& line : lines) {
        if (line == modern)
            isModern = true;
        else if (line != "strona=klasyczna")
            saved.push_back(line);
    }
    if (isModern)
        saved.push_back(modern);
    return saved;
}

void checkAccepted(const ProjectRecord& record, std::string_view bytes) {
    const std::size_t size = bytes.size();
    require(record.Items.size() <= ProjectLayout::MaxItems, "at most 100 items");
    const std::size_t fixed = ProjectLayout::FileSize(static_cast<int>(record.Items.size()));
    const std::size_t trailer = SerializeTrailer(record.TrailerLines).size();
    require(size == fixed + trailer || (trailer == 0 && size == fixed + ProjectTrailer::HeadSize),
            "size fits the count and the trailer");
    for (const std::size_t flag : {80u, 982u, 983u})
        require(static_cast<unsigned char>(bytes[flag]) <= 1, "flags 0 or 1");
    require(record.ProductColumns >= 1 && record.ProductColumns <= 4, "columns 1 to 4");

    const std::string again = SerializeProject(record);
    require(again.size() == fixed + trailer, "written again at the same size");
    const ProjectOutcome<ProjectRecord> reread = ParseProject(again, "again.esk");
    require(reread && *reread.Value == record, "written again reads the same");

    ShopPage page(0, ShopSettings{});
    const ProjectApplyReport report = ApplyProjectToPage(record, page);
    require(page.ItemCount() == static_cast<int>(record.Items.size()), "every item reaches the page");
    ProjectRecord expected = record;
    for (const PriceReset& reset : report.PriceResets)
        expected.Items[static_cast<std::size_t>(reset.Item)].Price = DefaultPriceText;
    expected.TrailerLines = savedTrailerLines(record.TrailerLines);
    const ProjectOutcome<ProjectRecord> saved = RecordFromPage(page);
    require(static_cast<bool>(saved), "an opened page can be saved");
    require(*saved.Value == expected, "an opened page saves what was read");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ProjectOutcome<ProjectRecord> read = ParseProject(bytes, "fuzz.esk");
    if (read)
        checkAccepted(*read.Value, bytes);
    else
        require(!read.Error.empty(), "a refusal says why");
    return 0;
}
