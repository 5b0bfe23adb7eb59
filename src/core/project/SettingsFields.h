#pragma once

#include "core/project/ProjectFields.h"
#include "core/project/ProjectRecord.h"
#include "core/settings/ShopSettings.h"

namespace targello {

// Which setting of a page is which field of a project file: the one table
// that saving (PageToProject) and opening (ProjectToPage) both read, so that
// a setting cannot be saved without being opened again, or the other way.

// The settings kept in the file as they are: numbers, colours, switches.
// `copy(settingsMember, recordMember)` is called for each.
template <class Copy> void ForEachPlainSetting(Copy&& copy) {
    copy(&ShopSettings::ProductColumns, &ProjectRecord::ProductColumns);
    copy(&ShopSettings::RowColor1, &ProjectRecord::RowColor1);
    copy(&ShopSettings::RowColor2, &ProjectRecord::RowColor2);
    copy(&ShopSettings::HeaderColor, &ProjectRecord::HeaderColor);
    copy(&ShopSettings::MenuBackColor, &ProjectRecord::MenuBackColor);
    copy(&ShopSettings::MenuColor, &ProjectRecord::MenuColor);
    copy(&ShopSettings::FooterColor, &ProjectRecord::FooterColor);
    copy(&ShopSettings::OrderFormKind, &ProjectRecord::OrderFormKind);
    copy(&ShopSettings::PageLayout, &ProjectRecord::PageLayout);
    copy(&ShopSettings::ColorScheme, &ProjectRecord::ColorScheme);
    copy(&ShopSettings::PictureWidth, &ProjectRecord::PictureWidth);
    copy(&ShopSettings::PictureHeight, &ProjectRecord::PictureHeight);
    copy(&ShopSettings::HeaderKind, &ProjectRecord::HeaderKind);
    copy(&ShopSettings::UseTexture, &ProjectRecord::UseTexture);
}

// The texts of the page's settings, UTF-8 in the page and Windows-1250 in the
// file, in the order saving checks them (the first that does not fit is the
// one reported). `convert(settingsMember, recordMember, field)` is called for each.
template <class Convert> void ForEachTextSetting(Convert&& convert) {
    convert(&ShopSettings::TexturePath, &ProjectRecord::TexturePath, ProjectField::TexturePath);
    convert(&ShopSettings::BannerPath, &ProjectRecord::BannerPath, ProjectField::BannerPath);
    convert(&ShopSettings::ShopTitle, &ProjectRecord::ShopTitle, ProjectField::ShopTitle);
    convert(&ShopSettings::BasketCaption, &ProjectRecord::BasketCaption, ProjectField::BasketCaption);
    convert(&ShopSettings::OrderEmail, &ProjectRecord::OrderEmail, ProjectField::OrderEmail);
}

} // namespace targello
