#include "gui/workspace/ItemThumbnails.h"

#include "core/workspace/ShopPage.h"
#include "gui/workspace/PictureCache.h"

namespace targello {

ItemThumbnails::ItemThumbnails(ShopPage& page, PictureCache& pictures, QObject* parent)
    : QObject(parent), page_(page), pictures_(pictures) {
    connect(&pictures_, &PictureCache::thumbnailReady, this, &ItemThumbnails::ready);
    connect(&pictures_, &PictureCache::thumbnailFailed, this,
            [this](const QString& path, const QString&) { failed(path); });
    shown_.resize(static_cast<std::size_t>(page_.ItemCount()));
    for (int k = 0; k < page_.ItemCount(); ++k)
        askFor(k);
}

const QImage& ItemThumbnails::pictureOf(int k) const {
    const ShopItem& item = page_.Item(k);
    switch (item.Picture) {
    case ItemPicture::Placeholder:
        return pictures_.placeholder();
    case ItemPicture::Missing:
        return pictures_.missing();
    case ItemPicture::File:
        break;
    }
    const Shown& view = shown_[static_cast<std::size_t>(k)];
    if (view.thumbnail.isNull() || view.path != QString::fromStdString(item.PicturePath))
        return pictures_.loading();
    return view.thumbnail;
}

void ItemThumbnails::itemsChanged() {
    QHash<QString, QImage> before;
    for (const Shown& view : shown_)
        if (!view.thumbnail.isNull())
            before.insert(view.path, view.thumbnail);
    shown_.assign(static_cast<std::size_t>(page_.ItemCount()), Shown{});
    for (int k = 0; k < page_.ItemCount(); ++k) {
        const ShopItem& item = page_.Item(k);
        if (item.Picture != ItemPicture::File)
            continue;
        const QString path = QString::fromStdString(item.PicturePath);
        auto found = before.constFind(path);
        if (found != before.constEnd())
            shown(k) = {path, *found};
        else
            askFor(k);
    }
}

void ItemThumbnails::itemAppended() {
    shown_.resize(static_cast<std::size_t>(page_.ItemCount()));
    askFor(page_.ItemCount() - 1);
}

void ItemThumbnails::setPicture(int k, const QImage& thumbnail) {
    if (k < 0 || k >= page_.ItemCount())
        return;
    shown(k) = {QString::fromStdString(page_.Item(k).PicturePath), thumbnail};
    emit pictureChanged(k);
}

void ItemThumbnails::reloadAll() {
    for (int k = 0; k < page_.ItemCount(); ++k) {
        shown(k) = {};
        askFor(k);
    }
}

void ItemThumbnails::askFor(int k) {
    const ShopItem& item = page_.Item(k);
    if (item.Picture != ItemPicture::File)
        return;
    const QString path = QString::fromStdString(item.PicturePath);
    const QImage ready = pictures_.request(path);
    if (ready.isNull()) {
        waiting_.insert(path);
        return;
    }
    shown(k) = {path, ready};
}

void ItemThumbnails::ready(const QString& path, const QImage& image) {
    if (!waiting_.remove(path))
        return;
    for (int k = 0; k < page_.ItemCount(); ++k) {
        const ShopItem& item = page_.Item(k);
        if (item.Picture != ItemPicture::File || !shown(k).thumbnail.isNull() ||
            QString::fromStdString(item.PicturePath) != path)
            continue;
        shown(k) = {path, image};
        emit pictureChanged(k);
    }
}

void ItemThumbnails::failed(const QString& path) {
    if (!waiting_.remove(path))
        return;
    // A stored picture that cannot be read shows the missing picture; the
    // item keeps its path, so saving the project again loses nothing.
    for (int k = 0; k < page_.ItemCount(); ++k) {
        ShopItem& item = page_.Item(k);
        if (item.Picture != ItemPicture::File || !shown(k).thumbnail.isNull() ||
            QString::fromStdString(item.PicturePath) != path)
            continue;
        item.Picture = ItemPicture::Missing;
        emit pictureChanged(k);
    }
}

} // namespace targello
