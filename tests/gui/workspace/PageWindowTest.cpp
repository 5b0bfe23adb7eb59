#include "PageFixture.h"
#include "core/workspace/PriceText.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QToolTip>

using namespace targello;

namespace {

using Kind = ScriptedPlatform::Kind;

class PageWindowTest : public PageFixture {};

TEST_F(PageWindowTest, AnInvalidPriceIsResetWithExactlyOneWarning) {
    openPage(2);
    window_->setPriceText(0, QStringLiteral("12.50"));
    EXPECT_EQ(page().Item(0).Price, "0,00");
    EXPECT_EQ(line(0, ItemField::Price)->text(), QStringLiteral("0,00"));
    ASSERT_EQ(platform().shown.size(), 1);
    EXPECT_EQ(platform().shown[0].kind, Kind::Warning);
    EXPECT_EQ(platform().shown[0].caption, QStringLiteral("uwaga !"));
    EXPECT_EQ(platform().shown[0].text, QStringLiteral("Nieprawidłowy wpis kwoty"));
    EXPECT_EQ(page().Item(1).Price, "0,00") << "the other item is untouched";
}

TEST_F(PageWindowTest, PastingIntoThePriceBoxRunsTheSameCheck) {
    openPage(1);
    QLineEdit* price = line(0, ItemField::Price);
    price->setText(QStringLiteral("abc"));
    EXPECT_EQ(price->text(), QStringLiteral("0,00"));
    EXPECT_EQ(page().Item(0).Price, "0,00");
    EXPECT_EQ(countShown(Kind::Warning), 1);
    price->setText(QStringLiteral("1,5e2"));
    EXPECT_EQ(page().Item(0).Price, "1,5e2");
    EXPECT_EQ(price->text(), QStringLiteral("1,5e2"));
    EXPECT_EQ(countShown(Kind::Warning), 1);
}

TEST_F(PageWindowTest, TypingAMinusThenADigitGivesNoWarning) {
    openPage(1);
    QLineEdit* price = line(0, ItemField::Price);
    price->clear();
    QTest::keyClicks(price, QStringLiteral("-5"));
    EXPECT_EQ(page().Item(0).Price, "-5");
    EXPECT_TRUE(platform().shown.isEmpty());
}

TEST_F(PageWindowTest, TypingADecimalPointResetsTheBoxOnce) {
    openPage(1);
    QLineEdit* price = line(0, ItemField::Price);
    price->clear();
    QTest::keyClicks(price, QStringLiteral("12."));
    EXPECT_EQ(price->text(), QStringLiteral("0,00"));
    EXPECT_EQ(page().Item(0).Price, "0,00");
    EXPECT_EQ(countShown(Kind::Warning), 1);
}

TEST_F(PageWindowTest, TheHundredAndFirstItemShowsTheLimitAndChangesNothing) {
    openPage(ShopPage::MaxItems);
    const auto before = page().Items();
    window_->insertItem();
    EXPECT_EQ(page().ItemCount(), ShopPage::MaxItems);
    EXPECT_EQ(page().Items(), before);
    ASSERT_EQ(platform().shown.size(), 1);
    EXPECT_EQ(platform().shown[0].kind, Kind::Message);
    EXPECT_EQ(platform().shown[0].text, QString::fromUtf8(ItemLimitMessage));
}

TEST_F(PageWindowTest, TheInsertedItemTakesTheFocusInView) {
    openPage(12);
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    ASSERT_EQ(window_->verticalScrollBar()->value(), 0);
    window_->insertItem();
    settle();
    EXPECT_EQ(page().ItemCount(), 13);
    EXPECT_EQ(page().Item(12).Name, "Produkt 13");
    auto* focus = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(canvas().editorPosition(focus), (ItemFieldRef{12, ItemField::Name}));
    EXPECT_GT(window_->verticalScrollBar()->value(), 0);
    const QRect shown(canvas().mapFrom(window_->viewport(), QPoint(0, 0)), window_->viewport()->size());
    EXPECT_TRUE(shown.contains(focus->geometry()));
    // Typing names the new item at once.
    EXPECT_EQ(focus->selectedText(), QStringLiteral("Produkt 13"));
    QTest::keyClicks(focus, QStringLiteral("Miod"));
    EXPECT_EQ(page().Item(12).Name, "Miod");
}

TEST_F(PageWindowTest, ItemsInsertedInARowMoveTheFocusOnceToTheLast) {
    openPage(3);
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    for (int k = 0; k < 40; ++k)
        window_->insertItem();
    settle();
    EXPECT_EQ(canvas().editorPosition(QApplication::focusWidget()), (ItemFieldRef{42, ItemField::Name}));
    EXPECT_LE(window_->findChildren<QLineEdit*>().size(), 2 * 12) << "no controls for the items passed over";
}

TEST_F(PageWindowTest, EditorsWriteStraightIntoTheItem) {
    openPage(3);
    QTest::keyClick(line(1, ItemField::Name), Qt::Key_End);
    QTest::keyClicks(line(1, ItemField::Name), QStringLiteral(" zielony"));
    EXPECT_EQ(page().Item(1).Name, "Produkt 2 zielony");
    auto* description = qobject_cast<QPlainTextEdit*>(window_->editor(2, ItemField::Description));
    ASSERT_NE(description, nullptr);
    QTest::keyClicks(description, QStringLiteral("recznie"));
    QTest::keyClick(description, Qt::Key_Return);
    description->insertPlainText(QStringLiteral("szyte żółtą nicią"));
    // Line breaks are kept as CR LF, as the project file and the shop have them.
    EXPECT_EQ(page().Item(2).Description, "recznie\r\nszyte żółtą nicią");
    EXPECT_EQ(page().Item(0).Name, "Produkt 1");
}

TEST_F(PageWindowTest, EditorsSitWhereTheItemsControlsBelong) {
    openPage(4);
    // Item 3 of two columns is the second cell of the second row: (300, 150).
    EXPECT_EQ(window_->editor(3, ItemField::Picture)->geometry(), QRect(300, 155, 133, 94));
    EXPECT_EQ(window_->editor(3, ItemField::Description)->geometry(), QRect(450, 170, 145, 80));
    const QRect name = window_->editor(3, ItemField::Name)->geometry();
    EXPECT_EQ(name.topLeft(), QPoint(300, 270));
    EXPECT_EQ(name.width(), 121);
    EXPECT_EQ(window_->editor(3, ItemField::Price)->geometry(), name.translated(150, 0));
    EXPECT_EQ(window_->editor(3, ItemField::Name)->objectName(), QStringLiteral("NameBox"));
    EXPECT_EQ(window_->editor(3, ItemField::Price)->objectName(), QStringLiteral("PriceBox"));
    EXPECT_EQ(window_->editor(3, ItemField::Description)->objectName(), QStringLiteral("DescriptionBox"));
    EXPECT_EQ(window_->editor(3, ItemField::Picture)->objectName(), QStringLiteral("PictureBox"));
}

TEST_F(PageWindowTest, OnlyItemsInViewHaveLiveControls) {
    openPage(40);
    EXPECT_NE(canvas().existingEditor(0, ItemField::Name), nullptr);
    EXPECT_EQ(canvas().existingEditor(39, ItemField::Name), nullptr);
    EXPECT_LE(window_->findChildren<QLineEdit*>().size(), 2 * 12);
}

TEST_F(PageWindowTest, TabGoesThroughPictureNamePriceDescriptionThenTheNextItem) {
    openPage(20);
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    window_->editor(0, ItemField::Name)->setFocus(Qt::OtherFocusReason);
    const ItemFieldRef expected[] = {{0, ItemField::Price},   {0, ItemField::Description},
                                     {1, ItemField::Picture}, {1, ItemField::Name},
                                     {1, ItemField::Price},   {1, ItemField::Description}};
    for (const ItemFieldRef& stop : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(canvas().editorPosition(QApplication::focusWidget()), stop);
    }
    for (int back = 0; back < 3; ++back)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(canvas().editorPosition(QApplication::focusWidget()), (ItemFieldRef{1, ItemField::Picture}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(canvas().editorPosition(QApplication::focusWidget()),
              (ItemFieldRef{0, ItemField::Description}));
}

TEST_F(PageWindowTest, TabIntoAnItemOutOfViewScrollsToIt) {
    openPage(20);
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    window_->editor(0, ItemField::Description)->setFocus(Qt::OtherFocusReason);
    for (int k = 0; k < 15; ++k)
        for (int stop = 0; stop < 4; ++stop)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    EXPECT_EQ(canvas().editorPosition(focus), (ItemFieldRef{15, ItemField::Description}));
    const QRect shown(canvas().mapFrom(window_->viewport(), QPoint(0, 0)), window_->viewport()->size());
    EXPECT_TRUE(shown.intersects(focus->geometry()));
    EXPECT_GT(window_->verticalScrollBar()->value(), 0);
}

TEST_F(PageWindowTest, LiveControlsCarryTheirTipsToTheStatusBar) {
    openPage(1);
    for (ItemField field : {ItemField::Name, ItemField::Price, ItemField::Description}) {
        QWidget* box = window_->editor(0, field);
        EXPECT_FALSE(box->toolTip().isEmpty());
        EXPECT_EQ(box->statusTip(), box->toolTip());
    }
    EXPECT_EQ(window_->editor(0, ItemField::Name)->toolTip(),
              QStringLiteral("W tym polu wpisz nazwę dla tego produktu."));
    EXPECT_EQ(window_->editor(0, ItemField::Picture)->toolTip(),
              QStringLiteral("Kliknij aby wczytać obrazek"));
}

// Collects what the page tells the status bar.
class StatusTips : public QObject {
public:
    QStringList tips;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::StatusTip)
            tips.append(static_cast<QStatusTipEvent*>(event)->tip());
        return false;
    }
};

TEST_F(PageWindowTest, PaintedItemsShowTheirTipsByPosition) {
    openPage(30);
    const int k = 29;
    ASSERT_EQ(canvas().existingEditor(k, ItemField::Price), nullptr) << "item out of view is painted";
    const QPoint price = canvas().fieldRect(k, ItemField::Price).center();
    QHelpEvent help(QEvent::ToolTip, price, canvas().mapToGlobal(price));
    QCoreApplication::sendEvent(&canvas(), &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("W tym polu podaj cenę dla tego produktu."));

    StatusTips status;
    window_->installEventFilter(&status);
    QMouseEvent move(QEvent::MouseMove, canvas().fieldRect(k, ItemField::Picture).center(),
                     canvas().mapToGlobal(canvas().fieldRect(k, ItemField::Picture).center()), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas(), &move);
    ASSERT_FALSE(status.tips.isEmpty());
    EXPECT_EQ(status.tips.last(), QStringLiteral("Kliknij aby wczytać obrazek"));
    EXPECT_EQ(canvas().cursor().shape(), Qt::PointingHandCursor);
    QToolTip::hideText();
}

TEST_F(PageWindowTest, BandsShowTheRowColoursOrTheTexture) {
    openPage(3);
    page().Settings.RowColor1 = RgbColor{10, 200, 30};
    page().Settings.RowColor2 = RgbColor{250, 240, 5};
    window_->relayout();
    settle();
    // Right of the two columns only the bands show.
    const QImage shown = canvas().grab(QRect(1000, 0, 10, 300)).toImage();
    EXPECT_EQ(QColor(shown.pixel(5, 10)), QColor(250, 240, 5)) << "band 0 takes the second row colour";
    EXPECT_EQ(QColor(shown.pixel(5, 160)), QColor(10, 200, 30)) << "band 1 takes the first";

    QImage strip(ShopPage::BandWidth, ShopPage::CellHeight, QImage::Format_RGB32);
    strip.fill(QColor(0, 0, 255));
    window_->setBandTexture(strip);
    const QImage textured = canvas().grab(QRect(1000, 0, 10, 300)).toImage();
    EXPECT_EQ(QColor(textured.pixel(5, 10)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(textured.pixel(5, 160)), QColor(0, 0, 255));

    window_->clearBandTexture();
    EXPECT_EQ(QColor(canvas().grab(QRect(1000, 0, 10, 300)).toImage().pixel(5, 10)), QColor(250, 240, 5));
}

TEST_F(PageWindowTest, RelayoutAfterRemovalShowsTheItemsThatAreLeft) {
    openPage(5);
    QLineEdit* fifth = line(4, ItemField::Name);
    ASSERT_NE(fifth, nullptr);
    page().RemoveItems({false, true, false, true, false});
    page().LayoutItems(page().Settings.ProductColumns);
    window_->relayout();
    settle();
    EXPECT_EQ(canvas().existingEditor(3, ItemField::Name), nullptr) << "no control for an item that is gone";
    EXPECT_EQ(canvas().existingEditor(4, ItemField::Name), nullptr);
    EXPECT_EQ(line(1, ItemField::Name)->text(), QStringLiteral("Produkt 3"));
    EXPECT_EQ(line(2, ItemField::Name)->text(), QStringLiteral("Produkt 5"));
    EXPECT_EQ(window_->editor(2, ItemField::Name)->geometry().topLeft(), QPoint(0, 270));
    EXPECT_EQ(canvas().height(), 2 * ShopPage::CellHeight);
}

TEST_F(PageWindowTest, RelayoutShowsTextsACommandWroteIntoTheModel) {
    openPage(2);
    page().Item(0).Name = "Kubek";
    page().Item(0).Description = "duży\r\nbiały";
    window_->relayout();
    EXPECT_EQ(line(0, ItemField::Name)->text(), QStringLiteral("Kubek"));
    auto* description = qobject_cast<QPlainTextEdit*>(window_->editor(0, ItemField::Description));
    EXPECT_EQ(description->toPlainText(), QStringLiteral("duży\nbiały"));
    EXPECT_EQ(page().Item(0).Description, "duży\r\nbiały") << "showing a text does not change it";
}

} // namespace
