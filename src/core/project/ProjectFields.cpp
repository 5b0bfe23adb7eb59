#include "core/project/ProjectFields.h"

namespace targello {

std::size_t FieldWidth(ProjectField field) {
    switch (field) {
    case ProjectField::BasketCaption:
        return 50;
    case ProjectField::OrderEmail:
        return 70;
    case ProjectField::ItemPrice:
        return 20;
    case ProjectField::ItemDescription:
        return 750;
    default:
        return 255;
    }
}

std::string FieldLabel(ProjectField field, int number) {
    const std::string n = std::to_string(number);
    switch (field) {
    case ProjectField::TexturePath:
        return "ścieżka tekstury";
    case ProjectField::BannerPath:
        return "ścieżka banera";
    case ProjectField::ShopTitle:
        return "nazwa firmy (sklepu)";
    case ProjectField::BasketCaption:
        return "napis na przycisku koszyka";
    case ProjectField::OrderEmail:
        return "adres e-mail dla zamówień";
    case ProjectField::ItemName:
        return "nazwa produktu " + n;
    case ProjectField::ItemPrice:
        return "cena produktu " + n;
    case ProjectField::ItemDescription:
        return "opis produktu " + n;
    case ProjectField::ItemPicturePath:
        return "ścieżka obrazka produktu " + n;
    case ProjectField::LinkName:
        return "nazwa linku " + n;
    case ProjectField::LinkPath:
        return "ścieżka linku " + n;
    }
    return {};
}

} // namespace targello
