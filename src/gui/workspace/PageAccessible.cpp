#include "gui/workspace/PageAccessible.h"

#include "core/workspace/ShopPage.h"
#include "gui/workspace/PageCanvas.h"
#include "gui/workspace/PaintedItemAccessible.h"
#include "gui/workspace/PictureBox.h"

#include <QAccessibleWidget>
#include <QHash>

namespace targello {

namespace {

constexpr int indexOf(int k, ItemField field) {
    return k * ItemFieldCount + static_cast<int>(field);
}

// Painted objects per page surface, by child index. Qt's registry owns them.
QHash<const PageCanvas*, QHash<int, QAccessible::Id>>& registry() {
    static QHash<const PageCanvas*, QHash<int, QAccessible::Id>> objects;
    return objects;
}

class CanvasInterface : public QAccessibleWidget {
public:
    explicit CanvasInterface(PageCanvas* canvas) : QAccessibleWidget(canvas, QAccessible::Pane) {}

    PageCanvas* canvas() const { return static_cast<PageCanvas*>(widget()); }

    int childCount() const override { return canvas()->page().ItemCount() * ItemFieldCount; }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        const int k = index / ItemFieldCount;
        const auto field = static_cast<ItemField>(index % ItemFieldCount);
        if (QWidget* live = canvas()->existingEditor(k, field))
            return QAccessible::queryAccessibleInterface(live);
        auto& objects = registry()[canvas()];
        auto found = objects.constFind(index);
        if (found != objects.constEnd())
            return QAccessible::accessibleInterface(*found);
        auto* painted = new PaintedItemAccessible(canvas(), k, field);
        objects.insert(index, QAccessible::registerAccessibleInterface(painted));
        return painted;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr)
            return -1;
        if (const auto* painted = dynamic_cast<const PaintedItemAccessible*>(child))
            return painted->canvas() == canvas() ? indexOf(painted->item(), painted->field()) : -1;
        const auto* widget = qobject_cast<const QWidget*>(child->object());
        const auto position = canvas()->editorPosition(widget);
        return position ? indexOf(position->item, position->field) : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint point = canvas()->mapFromGlobal(QPoint(x, y));
        for (int k = 0; k < canvas()->page().ItemCount(); ++k)
            for (ItemField field :
                 {ItemField::Picture, ItemField::Name, ItemField::Price, ItemField::Description})
                if (canvas()->fieldRect(k, field).contains(point))
                    return child(indexOf(k, field));
        return nullptr;
    }
};

// The live picture of an item in view: the same picture object as a painted
// one, read from its control, which shows the item.
class PictureBoxInterface : public QAccessibleWidget, public QAccessibleImageInterface {
public:
    explicit PictureBoxInterface(PictureBox* box) : QAccessibleWidget(box, QAccessible::Graphic) {}

    PictureBox* box() const { return static_cast<PictureBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        // The tooltip is the picture's file, or the prompt to choose one.
        if (t == QAccessible::Description)
            return box()->toolTip();
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ImageInterface)
            return static_cast<QAccessibleImageInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction())
            box()->requestPicture();
        else
            QAccessibleWidget::doAction(actionName);
    }

    QString imageDescription() const override { return box()->toolTip(); }
    QSize imageSize() const override { return box()->size(); }
    QPoint imagePosition() const override { return rect().topLeft(); }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("targello::PageCanvas"))
        return new CanvasInterface(static_cast<PageCanvas*>(object));
    if (className == QLatin1String("targello::PictureBox"))
        return new PictureBoxInterface(static_cast<PictureBox*>(object));
    return nullptr;
}

void dropWhere(const PageCanvas* canvas, int fromIndex) {
    auto found = registry().find(canvas);
    if (found == registry().end())
        return;
    for (auto it = found->begin(); it != found->end();) {
        if (it.key() >= fromIndex) {
            QAccessible::deleteAccessibleInterface(it.value());
            it = found->erase(it);
        } else {
            ++it;
        }
    }
    if (found->isEmpty())
        registry().erase(found);
}

} // namespace

namespace PageAccessible {

void install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void itemsChanged(PageCanvas* canvas) {
    dropWhere(canvas, canvas->page().ItemCount() * ItemFieldCount);
    if (QAccessible::isActive()) {
        QAccessibleEvent reorder(canvas, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
    }
}

void forget(PageCanvas* canvas) {
    dropWhere(canvas, 0);
}

} // namespace PageAccessible

} // namespace targello
