#include "gui/settings/SettingsAccessible.h"

#include "gui/settings/TextureSwatch.h"
#include "gui/settings/UpDown.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace targello::SettingsAccessible {

namespace {

// Qt names a drop-down list on Linux by its current text, so three colour
// pickers read alike ("własny #7986AA"); a reader should hear the label
// ("Kolor Nagłówka") as the name and the colour as the value.
class ComboBoxInterface : public QAccessibleWidget {
public:
    explicit ComboBoxInterface(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return box()->accessibleName().isEmpty() ? currentText() : box()->accessibleName();
        case QAccessible::Value:
            return currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value && box()->isEditable())
            box()->setEditText(text);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        state.collapsed = !state.expanded;
        state.editable = box()->isEditable();
        return state;
    }

    // The list that drops down, and the edit of an editable box.
    int childCount() const override { return box()->lineEdit() != nullptr ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->lineEdit() != nullptr)
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr)
            return -1;
        if (child->object() == box()->view())
            return 0;
        if (box()->lineEdit() != nullptr && child->object() == box()->lineEdit())
            return 1;
        return -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction(), setFocusAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName == showMenuAction() || actionName == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    QString currentText() const {
        return box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
    }
};

// The arrows beside a thumbnail step a position: a spin box to a reader.
class UpDownInterface : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit UpDownInterface(UpDown* upDown) : QAccessibleWidget(upDown, QAccessible::SpinBox) {}

    UpDown* upDown() const { return static_cast<UpDown*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return QString::number(upDown()->position());
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return upDown()->position(); }
    void setCurrentValue(const QVariant& value) override {
        // As if the user stepped there, so that the thumbnail and colours follow.
        const int target = value.toInt();
        while (upDown()->position() < target && upDown()->position() < upDown()->maximum())
            upDown()->stepUp();
        while (upDown()->position() > target && upDown()->position() > upDown()->minimum())
            upDown()->stepDown();
    }
    QVariant maximumValue() const override { return upDown()->maximum(); }
    QVariant minimumValue() const override { return upDown()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }
};

// The texture swatch asks for a texture on a double-click or Enter.
class SwatchInterface : public QAccessibleWidget {
public:
    explicit SwatchInterface(TextureSwatch* swatch) : QAccessibleWidget(swatch, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description)
            return widget()->toolTip();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction())
            emit static_cast<TextureSwatch*>(widget())->doubleClicked();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("QComboBox"))
        return new ComboBoxInterface(static_cast<QComboBox*>(object));
    if (className == QLatin1String("targello::UpDown"))
        return new UpDownInterface(static_cast<UpDown*>(object));
    if (className == QLatin1String("targello::TextureSwatch"))
        return new SwatchInterface(static_cast<TextureSwatch*>(object));
    return nullptr;
}

} // namespace

void install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace targello::SettingsAccessible
