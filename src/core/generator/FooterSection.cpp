#include "core/generator/FooterSection.h"

#include "core/generator/HtmlText.h"
#include "core/settings/ShopSettings.h"

namespace targello {

std::string FooterSection(const ShopSettings& edited) {
    std::string text;
    text += "<TABLE width=100% border=1 cellPadding=0 cellSpacing=0 >";
    text += "<TD bgColor=" + HtmlColor(edited.FooterColor) + " align=center>";
    text += "<P align=center><FONT SIZE=1>Sklep wygenerowany przy użyciu programu Targello ";
    text += "© Targello. Wszelkie prawa zastrzeżone. ";
    text += R"(<A HREF="https://www.targello.pl">www.targello.pl</A></P>)";
    text += "</TD></TABLE></HEAD></HTML>";
    return text;
}

} // namespace targello
