#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <vector>

namespace targello {

class PictureCache;
class ShopPage;

// The thumbnails one page shows for its items. They come from the cache that
// every page shares; one not ready yet is asked for and shows the loading
// picture until it comes.
class ItemThumbnails : public QObject {
    Q_OBJECT

public:
    ItemThumbnails(ShopPage& page, PictureCache& pictures, QObject* parent = nullptr);

    // What item k shows: its thumbnail, the placeholder, the missing picture
    // or, while its thumbnail is on the way, the loading picture.
    const QImage& pictureOf(int k) const;

    // The items changed as a whole (removal reorders them without saying
    // which went): thumbnails already shown are matched again by their paths.
    void itemsChanged();
    // An item was appended to the page.
    void itemAppended();
    // Item k shows `thumbnail` (a picture just chosen and loaded).
    void setPicture(int k, const QImage& thumbnail);
    // Asks again for the pictures of all items that show a file.
    void reloadAll();

signals:
    // Item k shows another picture now.
    void pictureChanged(int k);

private:
    struct Shown {
        QString path;
        QImage thumbnail;
    };

    void askFor(int k);
    void ready(const QString& path, const QImage& image);
    void failed(const QString& path);
    Shown& shown(int k) { return shown_[static_cast<std::size_t>(k)]; }

    ShopPage& page_;
    PictureCache& pictures_;
    std::vector<Shown> shown_;
    QSet<QString> waiting_;
};

} // namespace targello
