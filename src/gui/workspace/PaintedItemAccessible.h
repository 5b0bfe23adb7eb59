#pragma once

#include "gui/workspace/ItemField.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPointer>

namespace targello {

class PageCanvas;

// What a screen reader sees of one painted control of an item (an item out
// of view has no live controls): its name, its text, where it is, and the
// actions that bring up its live control or ask for a picture. Everything
// is read from the item itself, so a reader goes through a whole page
// without one control being made for it.
class PaintedItemAccessible : public QAccessibleInterface,
                              public QAccessibleActionInterface,
                              public QAccessibleTextInterface,
                              public QAccessibleImageInterface {
public:
    PaintedItemAccessible(PageCanvas* canvas, int k, ItemField field);

    PageCanvas* canvas() const { return canvas_; }
    int item() const { return item_; }
    ItemField field() const { return field_; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // The text of a box, with its line breaks as the box shows them.
    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return static_cast<int>(boxText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // A picture: described by its file (or the prompt), as its tooltip is.
    QString imageDescription() const override;
    QSize imageSize() const override;
    QPoint imagePosition() const override;

private:
    QString boxText() const;

    QPointer<PageCanvas> canvas_;
    int item_;
    ItemField field_;
};

} // namespace targello
