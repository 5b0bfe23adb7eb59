#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

namespace targello {

// The program's shortcuts win over the editors' own bindings: in a name or
// price box Ctrl+Z saves the project (it is not an undo), Ctrl+U removes items
// and Ctrl+H generates the shop, as the menus promise.
class ShortcutFilter : public QObject {
    Q_OBJECT
public:
    ShortcutFilter(QList<QKeySequence> shortcuts, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QKeySequence> shortcuts_;
};

} // namespace targello
