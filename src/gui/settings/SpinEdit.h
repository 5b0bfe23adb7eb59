#pragma once

#include <QAbstractSpinBox>
#include <optional>

namespace targello {

// A number box with up and down arrows. The arrows and setValue keep the
// value within its range, but the text holds whatever the user typed: a
// width typed as 500 stays 500 until the arrows or the next load bring it
// into range, and the dialog decides what to do with a text that is no number.
class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    SpinEdit(int minimum, int maximum, QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Shows `value`, brought into range.
    void setValue(int value);
    // Shows `value` unless the text already reads as it, so that a typed
    // number out of range is not replaced by the same value's clamped form.
    void showValue(int value);
    // The text read as a decimal integer (blanks around it allowed), or
    // nothing when it is not one.
    std::optional<int> typedValue() const;
    // The typed value, or 0 for a text that is not a number.
    int value() const { return typedValue().value_or(0); }
    void setText(const QString& text);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // Every change of the text, typed or set.
    void textChanged(const QString& text);

protected:
    StepEnabled stepEnabled() const override;

private:
    int minimum_;
    int maximum_;
};

} // namespace targello
