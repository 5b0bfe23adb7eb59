#pragma once

#include "core/project/ProjectRecord.h"

#include <cstddef>
#include <string>

namespace targello {

// The text fields of a project file.
enum class ProjectField {
    TexturePath,
    BannerPath,
    ShopTitle,
    BasketCaption,
    OrderEmail,
    ItemName,
    ItemPrice,
    ItemDescription,
    ItemPicturePath,
    LinkName,
    LinkPath,
};

// Width in bytes, NUL included: a text holds at most width - 1 bytes.
std::size_t FieldWidth(ProjectField field);

// How messages name the field: "nazwa produktu 3", "ścieżka linku 5";
// `number` (counted from 1) is ignored for the header texts.
std::string FieldLabel(ProjectField field, int number);

// Walks every field after the item count in file order, so that the writer
// and the reader cannot disagree on the layout. The visitor has
// Integer(int32&), Flag(bool&, const char* label) and
// Text(std::string&, ProjectField, int number). Items.size() items are visited.
template <class Record, class Visitor> void VisitProjectFields(Record& r, Visitor& v) {
    v.Integer(r.ProductColumns);
    for (auto* colour :
         {&r.RowColor1, &r.RowColor2, &r.HeaderColor, &r.MenuBackColor, &r.MenuColor, &r.FooterColor}) {
        v.Integer(colour->Red);
        v.Integer(colour->Green);
        v.Integer(colour->Blue);
    }
    v.Flag(r.OrderFormKind, "rodzaj formularza zamówienia");
    v.Integer(r.PageLayout);
    v.Integer(r.ColorScheme);
    v.Integer(r.PictureWidth);
    v.Integer(r.PictureHeight);
    v.Text(r.TexturePath, ProjectField::TexturePath, 0);
    v.Text(r.BannerPath, ProjectField::BannerPath, 0);
    v.Text(r.ShopTitle, ProjectField::ShopTitle, 0);
    v.Text(r.BasketCaption, ProjectField::BasketCaption, 0);
    v.Text(r.OrderEmail, ProjectField::OrderEmail, 0);
    v.Flag(r.HeaderKind, "rodzaj nagłówka");
    v.Flag(r.UseTexture, "użycie tekstury");
    int number = 0;
    for (auto& item : r.Items) {
        ++number;
        v.Text(item.Name, ProjectField::ItemName, number);
        v.Text(item.Price, ProjectField::ItemPrice, number);
        v.Text(item.Description, ProjectField::ItemDescription, number);
        v.Text(item.PicturePath, ProjectField::ItemPicturePath, number);
    }
    number = 0;
    for (auto& link : r.Links) {
        ++number;
        v.Text(link.Name, ProjectField::LinkName, number);
        v.Text(link.Path, ProjectField::LinkPath, number);
    }
}

} // namespace targello
