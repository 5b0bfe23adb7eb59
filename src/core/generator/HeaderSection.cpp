#include "core/generator/HeaderSection.h"

#include "core/generator/HtmlText.h"
#include "core/generator/ShopPictures.h"
#include "core/workspace/ShopPage.h"

namespace targello {

std::string HeaderSection(const ShopPage& page, const ShopSettings& edited, const ShopPictures& pictures) {
    std::string text;
    text += "<STYLE>BODY {BACKGROUND-COLOR: #ffffff; COLOR: #000000; FONT-FAMILY: verdana, arial; FONT-SIZE: "
            "11px; MARGIN: 0px; scrollbar-base-color: #FFFFFF}</STYLE>";
    text += R"(<TABLE height=25% align=center border=0 cellPadding=0 cellSpacing=0 width=100% valign="top">)";
    text += "<TD bgColor=" + HtmlColor(edited.HeaderColor);
    if (page.Settings.HeaderKind)
        text += R"(><IMG src=")" + AttributeText(pictures.BannerUrl) + R"(" align=left><BR clear=left><BR>)";
    else
        text += "><P align=center>" + page.Settings.ShopTitle + "<BR>";
    text += "</TD></TABLE>";
    return text;
}

} // namespace targello
