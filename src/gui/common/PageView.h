#pragma once

class QImage;

namespace targello {

class ShopPage;

// The window of one shop page as the commands and dialogs outside the page
// window see it: they change the model and then tell its window to show it.
class PageView {
public:
    virtual ~PageView() = default;

    virtual ShopPage& page() = 0;
    // The model changed under the window: show it anew from the top-left corner.
    virtual void relayout() = 0;
    // Item k (from 0) takes the focus and comes into view: where the user
    // goes on after a command changed the items.
    virtual void focusItem(int k) = 0;
    // Every shown row band shows `strip` (1200 x 150) instead of its plain colour.
    virtual void setBandTexture(const QImage& strip) = 0;
    virtual void clearBandTexture() = 0;
    // Every item that names a picture file gets its picture in the background.
    virtual void loadStoredPictures() = 0;

protected:
    PageView() = default;
    PageView(const PageView&) = default;
    PageView& operator=(const PageView&) = default;
};

} // namespace targello
