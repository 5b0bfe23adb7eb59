#include "core/generator/ShopPageText.h"

#include "core/generator/FooterSection.h"
#include "core/generator/HeaderSection.h"
#include "core/generator/HtmlText.h"
#include "core/generator/OrderFormSection.h"
#include "core/generator/ProductSection.h"
#include "core/settings/ShopSettings.h"
#include "core/settings/UrlEscape.h"

namespace targello {

int EffectivePageLayout(int pageLayout) {
    return pageLayout >= 0 && pageLayout <= 3 ? pageLayout : 2;
}

bool ShowsMenu(const ShopSettings& edited) {
    const int layout = EffectivePageLayout(edited.PageLayout);
    return layout == 2 || layout == 3;
}

std::string PageHead(const ShopSettings& edited) {
    return R"(<HTML><HEAD><form enctype="text/plain" action="mailto:)" +
           AttributeText(MailtoAddressPart(edited.OrderEmail)) + R"(" method="Post">)" +
           R"(<META HTTP-EQUIV="content-type"CONTENT="text/html; charset=ISO-8859-2">)";
}

std::string ShopPageText(const ShopPage& page, const ShopSettings& edited, const ShopPictures& pictures,
                         const PageFolder& folder) {
    std::string text;
    text.reserve(ApproximateSize(page) + 8192);
    text += PageHead(edited);
    switch (EffectivePageLayout(edited.PageLayout)) {
    case 0: // a bare page: no header, menu or footer
        text += ProductSection(page, edited, pictures);
        text += OrderFormSection(edited);
        text += "</TD></TABLE></HEAD></HTML>";
        break;
    case 1:
        text += HeaderSection(page, edited, pictures);
        text += ProductSection(page, edited, pictures);
        text += OrderFormSection(edited);
        text += FooterSection(edited);
        break;
    case 2:
        text += HeaderSection(page, edited, pictures);
        text += LeftMenuSection(edited, folder);
        text += ProductSection(page, edited, pictures);
        text += OrderFormSection(edited);
        text += FooterSection(edited);
        break;
    case 3:
        text += HeaderSection(page, edited, pictures);
        text += RightMenuSection(ProductSection(page, edited, pictures), edited, folder);
        text += OrderFormSection(edited);
        text += FooterSection(edited);
        break;
    }
    return text;
}

} // namespace targello
