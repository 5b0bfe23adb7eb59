#include "gui/app/AboutBox.h"

#include "gui/platform/ScriptedPlatform.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace targello {
namespace {

QRect inBox(const QWidget& box, const QWidget& child) {
    return QRect(child.mapTo(&box, QPoint(0, 0)), child.size());
}

// Every text of the box is whole: no label cut at its edges, none over
// another, and all of them inside the box, whatever font the desktop uses.
TEST(AboutBox, ShowsEveryTextWhole) {
    ScriptedPlatform platform;
    AboutBox box(platform, nullptr);
    box.show();
    QList<QLabel*> texts;
    for (QLabel* label : box.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            texts.append(label);
    ASSERT_GE(texts.size(), 5);
    for (const QLabel* label : texts) {
        const QRect shown = inBox(box, *label);
        EXPECT_TRUE(box.rect().contains(shown)) << label->text().toStdString();
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->text().toStdString();
        } else {
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
            EXPECT_LE(label->sizeHint().height(), label->height()) << label->text().toStdString();
        }
        for (const QLabel* other : texts) {
            if (other != label) {
                EXPECT_FALSE(shown.intersects(inBox(box, *other)))
                    << label->text().toStdString() << " / " << other->text().toStdString();
            }
        }
    }
    const QPushButton* ok = box.findChild<QPushButton*>(QStringLiteral("OKButton"));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(box.rect().contains(inBox(box, *ok)));
    EXPECT_GE(box.width(), 451);
    EXPECT_GE(box.height(), 188);
}

TEST(AboutBox, AFocusedLinkIsFramedInTheHighlightColour) {
    ScriptedPlatform platform;
    AboutBox box(platform, nullptr);
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    QLabel* link = nullptr;
    for (QLabel* label : box.findChildren<QLabel*>())
        if (label->text().contains(QStringLiteral("href")))
            link = label;
    ASSERT_NE(link, nullptr);
    const auto corner = [link] {
        const QImage shot = link->grab().toImage();
        return QColor(shot.pixel(QPoint(0, 0) * shot.devicePixelRatio()));
    };
    const QColor highlight = link->palette().color(QPalette::Highlight);
    box.findChild<QPushButton*>(QStringLiteral("OKButton"))->setFocus();
    EXPECT_NE(corner(), highlight);
    link->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(link->hasFocus());
    EXPECT_EQ(corner(), highlight);
}

} // namespace
} // namespace targello
