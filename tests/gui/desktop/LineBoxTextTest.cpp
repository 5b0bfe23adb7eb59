// A product's name and price boxes show their text with the system's fonts,
// style and palette: the pixels inside a box's frame are not all its
// background. (Wine without its own fonts falls back to a math font whose
// Windows line height is four times its size; a line edit then centres its
// text far above its box and shows none.)
#include "core/workspace/ShopItem.h"
#include "gui/workspace/ItemEditors.h"
#include "gui/workspace/ItemLayout.h"

#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace targello {
namespace {

class QuietHost : public ItemEditorHost {
public:
    void nameEdited(int, const QString&) override {}
    void priceEdited(int, const QString&) override {}
    void descriptionEdited(int, const QString&) override {}
    void pictureDoubleClicked(int) override {}
};

// How many pixels of the box's text area differ clearly from its background.
int inkInside(QWidget* box) {
    const QImage shot = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QColor base = box->palette().color(QPalette::Base);
    // The frame and the style's margin stay out of the count.
    const QRect inside = QRect(QPoint(0, 0), shot.size()).adjusted(4, 3, -4, -3);
    int ink = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel = shot.pixelColor(x, y);
            const int difference = qAbs(pixel.red() - base.red()) + qAbs(pixel.green() - base.green()) +
                                   qAbs(pixel.blue() - base.blue());
            ink += difference > 96 ? 1 : 0;
        }
    return ink;
}

TEST(LineBoxText, NameAndPriceBoxesDrawTheirText) {
    QWidget canvas;
    canvas.resize(400, 240);
    QuietHost host;
    ItemEditors editors(&canvas, host);
    ShopItem item;
    item.Name = "Miód gryczany";
    item.Price = "24,50";
    editors.bind(0, item, QImage(), ItemLayout(canvas.font()), QPoint(10, 10));
    canvas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas, 20000));

    for (ItemField field : {ItemField::Name, ItemField::Price}) {
        auto* box = qobject_cast<QLineEdit*>(editors.widget(field));
        ASSERT_NE(box, nullptr);
        SCOPED_TRACE(box->text().toStdString());
        // Even the few characters of a price leave dozens of dark pixels.
        EXPECT_GT(inkInside(box), 20) << "font: " << QFontInfo(box->font()).family().toStdString();
    }
}

} // namespace
} // namespace targello
