#include "core/generator/MenuSection.h"

#include "core/generator/HtmlText.h"
#include "core/settings/RelativeLink.h"
#include "core/settings/ShopSettings.h"

namespace targello {
namespace {

std::string MenuBox(const ShopSettings& edited, const PageFolder& page) {
    std::string text;
    text += "<Table width=165 border=0 bgColor=" + HtmlColor(edited.MenuColor) + " align=center>";
    text += "<td align=center>menu</td><tr><td bgColor=#d9e0f7 align=center>";
    text += MenuLinkRows(edited, page);
    return text;
}

} // namespace

std::string MenuLinkRows(const ShopSettings& edited, const PageFolder& page) {
    // The name of a file in the page's folder, so that the folder is where
    // the addresses start from; no such file is read or written.
    const std::string base = PathRules(page.Style).Join(page.Folder, "temp.htm");
    std::string text;
    for (int r = 0; r < ShopSettings::ShownLinkCount; ++r) {
        const MenuLink& link = edited.MenuLinks[static_cast<std::size_t>(r)];
        if (link.Name.empty())
            continue;
        text += "<tr><td bgColor=#d9e0f7 align=center>";
        text += R"(<A href=")" + AttributeText(RelativeLink(base, link.Path, page.Style)) + R"(">)";
        text += link.Name + "</A>";
    }
    return text;
}

std::string LeftMenuSection(const ShopSettings& edited, const PageFolder& page) {
    std::string text;
    text += "<TABLE width=100% border=0 cellPadding=0 cellSpacing=0 >";
    text += "<TD width=25% bgColor=" + HtmlColor(edited.MenuBackColor) + " valign=top><BR>";
    text += MenuBox(edited, page);
    text += "</Table></TD><TH>";
    return text;
}

std::string RightMenuSection(const std::string& productSection, const ShopSettings& edited,
                             const PageFolder& page) {
    std::string text;
    text += "<TABLE width=100% border=1 cellPadding=0 cellSpacing=0 ><TH>";
    text += productSection;
    text += "</TH><TD width=25% bgColor=" + HtmlColor(edited.MenuBackColor) + " valign=top><BR>";
    text += MenuBox(edited, page);
    text += "</TD></TABLE>";
    return text;
}

} // namespace targello
