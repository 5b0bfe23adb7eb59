#include "gui/workspace/ItemEditors.h"

#include "core/workspace/ShopItem.h"
#include "gui/workspace/ItemLayout.h"
#include "gui/workspace/ItemTexts.h"
#include "gui/workspace/PictureBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace targello {

namespace {

void giveTip(QWidget* widget, const QString& tip) {
    widget->setToolTip(tip);
    // The main window's status bar echoes what the control under the mouse says.
    widget->setStatusTip(tip);
    widget->setAccessibleDescription(tip);
}

QLineEdit* lineBox(QWidget* canvas, const char* name, ItemField field) {
    auto* box = new QLineEdit(canvas);
    box->setObjectName(QString::fromLatin1(name));
    giveTip(box, ItemTexts::boxTip(field));
    box->hide();
    return box;
}

void showLine(QLineEdit* box, const QString& text) {
    if (box->text() == text)
        return;
    const QSignalBlocker quiet(box);
    box->setText(text);
    // A name longer than the box shows its beginning, as the painted box does.
    box->setCursorPosition(0);
}

} // namespace

void EnterBox(QWidget* box, Qt::FocusReason reason) {
    box->setFocus(reason);
    auto* line = qobject_cast<QLineEdit*>(box);
    const bool tabbed = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    if (line != nullptr && tabbed && line->hasFocus()) {
        const int length = static_cast<int>(line->text().size());
        line->setSelection(length, -length); // selected backwards: the caret at the start
    }
}

ItemEditors::ItemEditors(QWidget* canvas, ItemEditorHost& host)
    : picture_(new PictureBox(canvas)), name_(lineBox(canvas, "NameBox", ItemField::Name)),
      price_(lineBox(canvas, "PriceBox", ItemField::Price)), host_(host), canvas_(canvas) {
    picture_->hide();
    connectTo(host);
}

ItemEditors::~ItemEditors() {
    // The controls are the canvas's children; a set that goes takes its own.
    delete picture_;
    delete name_;
    delete price_;
    delete description_;
}

void ItemEditors::watchFocus(QObject* watcher) {
    watcher_ = watcher;
    picture_->installEventFilter(watcher);
    name_->installEventFilter(watcher);
    price_->installEventFilter(watcher);
    if (description_ != nullptr)
        description_->installEventFilter(watcher);
}

void ItemEditors::connectTo(ItemEditorHost& host) {
    QObject::connect(name_, &QLineEdit::textChanged, name_,
                     [this, &host](const QString& text) { host.nameEdited(item_, text); });
    QObject::connect(price_, &QLineEdit::textChanged, price_,
                     [this, &host](const QString& text) { host.priceEdited(item_, text); });
    QObject::connect(picture_, &PictureBox::doubleClicked, picture_,
                     [this, &host] { host.pictureDoubleClicked(item_); });
}

QWidget* ItemEditors::addDescription(const ShopItem& item, const QRect& box) {
    if (description_ == nullptr) {
        description_ = new QPlainTextEdit(canvas_);
        description_->setObjectName(QStringLiteral("DescriptionBox"));
        giveTip(description_, ItemTexts::boxTip(ItemField::Description));
        description_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        description_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        // Like the painted box: no scroll bars; the caret scrolls the text.
        description_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        description_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Tab leaves the description for the next item, as in every other box.
        description_->setTabChangesFocus(true);
        if (watcher_ != nullptr)
            description_->installEventFilter(watcher_);
        QObject::connect(description_, &QPlainTextEdit::textChanged, description_,
                         [this] { host_.descriptionEdited(item_, description_->toPlainText()); });
    }
    description_->setAccessibleName(ItemTexts::accessibleName(ItemField::Description, item_));
    description_->setGeometry(box);
    showDescription(item);
    description_->show();
    return description_;
}

void ItemEditors::bind(int k, const ShopItem& item, const QImage& picture, const ItemLayout& layout,
                       QPoint cell) {
    if (item_ != k) {
        item_ = k;
        picture_->setAccessibleName(ItemTexts::accessibleName(ItemField::Picture, k));
        name_->setAccessibleName(ItemTexts::accessibleName(ItemField::Name, k));
        price_->setAccessibleName(ItemTexts::accessibleName(ItemField::Price, k));
        if (description_ != nullptr)
            description_->setAccessibleName(ItemTexts::accessibleName(ItemField::Description, k));
    }
    picture_->setGeometry(layout.rect(ItemControl::Picture, cell));
    name_->setGeometry(layout.rect(ItemControl::NameBox, cell));
    price_->setGeometry(layout.rect(ItemControl::PriceBox, cell));
    if (description_ != nullptr)
        description_->setGeometry(layout.rect(ItemControl::DescriptionBox, cell));
    showTexts(item);
    showPicture(picture, QString::fromStdString(item.PicturePath));
    picture_->show();
    name_->show();
    price_->show();
    if (description_ != nullptr)
        description_->show();
}

void ItemEditors::release() {
    item_ = -1;
    picture_->hide();
    name_->hide();
    price_->hide();
    if (description_ != nullptr)
        description_->hide();
}

void ItemEditors::showTexts(const ShopItem& item) {
    showLine(name_, QString::fromStdString(item.Name));
    showLine(price_, QString::fromStdString(item.Price));
    if (description_ != nullptr)
        showDescription(item);
}

void ItemEditors::showDescription(const ShopItem& item) {
    const QString description = ItemTexts::shownLines(QString::fromStdString(item.Description));
    if (description_->toPlainText() != description) {
        const QSignalBlocker quiet(description_);
        description_->setPlainText(description);
    }
}

void ItemEditors::showPicture(const QImage& picture, const QString& path) {
    picture_->setPicture(picture);
    if (picture_->toolTip() != path)
        giveTip(picture_, path);
}

QWidget* ItemEditors::widget(ItemField field) const {
    switch (field) {
    case ItemField::Picture:
        return picture_;
    case ItemField::Name:
        return name_;
    case ItemField::Price:
        return price_;
    case ItemField::Description:
        return description_;
    }
    return nullptr;
}

std::optional<ItemField> ItemEditors::fieldOf(const QWidget* widget) const {
    for (ItemField field : {ItemField::Picture, ItemField::Name, ItemField::Price, ItemField::Description}) {
        const QWidget* own = this->widget(field);
        if (own != nullptr && widget != nullptr && (widget == own || own->isAncestorOf(widget)))
            return field;
    }
    return std::nullopt;
}

bool ItemEditors::holdsFocus() const {
    return fieldOf(QApplication::focusWidget()).has_value();
}

} // namespace targello
