// Feeds random projects through the page generators and checks the page they
// make (in memory: no file, no picture): well-formed in the page's code page, and of the same shape as the
// page of the same shop whose texts are all "x", so that no text ended a
// script string, an attribute or the SCRIPT element early.
#include "PageMakers.h"
#include "PageStructure.h"
#include "core/project/ProjectToPage.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

using namespace targello;
using namespace targello::fuzz;

namespace {

enum class PageEncoding { Iso88592, Utf8 };

// A page generator under test: its encoding, and whether it passes markup in
// visible texts through as the classic page does (then the texts shown as
// they are get no "<", since a user's own tags change the page's shape on
// purpose).
struct Generator {
    const char* Name;
    PageEncoding Encoding;
    bool PassesMarkup;
    std::string (*Page)(const ShopPage& page, const ShopSettings& edited);
};

const Generator Generators[] = {
    {"classic", PageEncoding::Iso88592, true, ClassicPage},
    {"modern", PageEncoding::Utf8, false, ModernPage},
};

void require(bool condition, const char* what, const char* generator) {
    if (condition)
        return;
    std::fprintf(stderr, "broken promise (%s page): %s\n", generator, what);
    std::abort();
}

// Windows-1250 leaves 0x81, 0x83, 0x88, 0x90 and 0x98 undefined; they read as
// C1 controls, which no one can type and the page's code page keeps as
// controls. Every other byte is a character a user may have typed.
bool Undefined(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte == 0x81 || byte == 0x83 || byte == 0x88 || byte == 0x90 || byte == 0x98;
}

// A Windows-1250 text of up to `longest` bytes.
std::string Text(FuzzedDataProvider& data, std::size_t longest, bool noMarkup) {
    std::string text = data.ConsumeRandomLengthString(longest);
    for (char& c : text)
        if (c == '\0' || Undefined(c) || (noMarkup && c == '<'))
            c = '_';
    return text;
}

// A picture path whose file name is "x…" when the original has one: a name
// of its own for each, so the plan stays alike.
std::string NeutralPath(const std::string& path, int n) {
    if (path.empty())
        return path;
    return path.back() == '/' ? "/brak/" : "/brak/x" + std::to_string(n);
}

// A plain text in place of `text`. A text of blanks and line ends stays as it
// is: the modern page leaves out what such a text would fill (a description
// paragraph) or shows its own words instead (a caption), so it shapes the
// page as an empty text does.
std::string Neutral(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos ? text : "x";
}

ProjectRecord RandomRecord(FuzzedDataProvider& data, bool noMarkup) {
    ProjectRecord record;
    // The texts in attributes and scripts first, and all of them short:
    // a text takes every byte up to a backslash or its limit.
    record.BasketCaption = Text(data, 16, false);
    record.OrderEmail = Text(data, 16, false);
    record.Items.resize(data.ConsumeIntegralInRange(0, 8));
    for (ProjectItem& item : record.Items) {
        item.Name = Text(data, 24, noMarkup);
        item.Price = Text(data, 8, false);
        item.Description = Text(data, 24, noMarkup);
        item.PicturePath = data.ConsumeBool() ? std::string() : "/brak/" + Text(data, 16, false);
    }
    record.ProductColumns = data.ConsumeIntegralInRange(1, 4);
    for (RgbColor* color : {&record.RowColor1, &record.RowColor2, &record.HeaderColor, &record.MenuBackColor,
                            &record.MenuColor, &record.FooterColor})
        *color = RgbColor::fromPacked(data.ConsumeIntegral<std::uint32_t>() & 0xFFFFFF);
    record.OrderFormKind = data.ConsumeBool();
    record.PageLayout = data.ConsumeIntegral<std::int32_t>();
    record.ColorScheme = data.ConsumeIntegral<std::int32_t>();
    record.PictureWidth = data.ConsumeIntegral<std::int32_t>();
    record.PictureHeight = data.ConsumeIntegral<std::int32_t>();
    record.HeaderKind = data.ConsumeBool();
    record.UseTexture = data.ConsumeBool();
    record.TexturePath = "/brak/" + Text(data, 16, false);
    record.BannerPath = "/brak/" + Text(data, 16, false);
    record.ShopTitle = Text(data, 24, noMarkup);
    for (ProjectLink& link : record.Links)
        if (data.remaining_bytes() > 0 && data.ConsumeBool()) {
            link.Name = Text(data, 12, noMarkup);
            link.Path = Text(data, 16, false);
        }
    return record;
}

// The same shop with every text "x" (empty texts stay empty).
ProjectRecord NeutralRecord(ProjectRecord record) {
    int n = 0;
    record.TexturePath = NeutralPath(record.TexturePath, n++);
    record.BannerPath = NeutralPath(record.BannerPath, n++);
    for (std::string* text : {&record.ShopTitle, &record.BasketCaption, &record.OrderEmail})
        *text = Neutral(*text);
    for (ProjectItem& item : record.Items) {
        item.Name = Neutral(item.Name);
        item.Description = Neutral(item.Description);
        item.PicturePath = NeutralPath(item.PicturePath, n++);
    }
    for (ProjectLink& link : record.Links) {
        link.Name = Neutral(link.Name);
        link.Path = Neutral(link.Path);
    }
    return record;
}

// The page the generator makes for `record`, opened as targello-export opens it.
std::string PageOf(const ProjectRecord& record, const Generator& generator) {
    ShopWorkspace workspace(PageFolderPath);
    EditedSettings edited = EditedSettings::initial();
    ShopPage& page = *workspace.NewPage(edited.Values);
    ApplyProjectToPage(record, page);
    LoadPageIntoOptions(page.Settings, edited);
    return generator.Page(page, edited.Values);
}

void Check(const ProjectRecord& record, const Generator& generator) {
    const std::string page = PageOf(record, generator);
    if (generator.Encoding == PageEncoding::Utf8)
        require(IsUtf8(page), "the page is UTF-8", generator.Name);
    else if (const std::size_t stray = StrayIso88592Byte(page); stray != std::string::npos) {
        const std::size_t from = stray < 40 ? 0 : stray - 40;
        std::fprintf(stderr, "byte 0x%02X in: %s\n", static_cast<unsigned char>(page[stray]),
                     page.substr(from, 80).c_str());
        require(false, "no C1 control byte in the page", generator.Name);
    }

    const PageShape shape = ShapeOf(page);
    const PageShape neutral = ShapeOf(PageOf(NeutralRecord(record), generator));
    // Say where the two pages part, so a failure can be read without a debugger.
    for (std::size_t k = 0; k < std::min(shape.Tags.size(), neutral.Tags.size()); ++k)
        if (shape.Tags[k] != neutral.Tags[k]) {
            std::fprintf(stderr, "tag %zu: <%s> where the plain texts give <%s>\n", k, shape.Tags[k].c_str(),
                         neutral.Tags[k].c_str());
            break;
        }
    require(shape.Tags == neutral.Tags, "texts end no tag or attribute early", generator.Name);
    require(shape.Scripts == neutral.Scripts, "texts end no script string or SCRIPT element early",
            generator.Name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    for (const Generator& generator : Generators) {
        FuzzedDataProvider data(bytes, size);
        Check(RandomRecord(data, generator.PassesMarkup), generator);
    }
    return 0;
}
