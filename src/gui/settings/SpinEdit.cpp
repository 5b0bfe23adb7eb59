#include "gui/settings/SpinEdit.h"

#include <QLineEdit>
#include <algorithm>

namespace targello {

SpinEdit::SpinEdit(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum) {
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setAccelerated(true);
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinEdit::textChanged);
    setValue(minimum);
}

void SpinEdit::setValue(int value) {
    setText(QString::number(std::clamp(value, minimum_, maximum_)));
}

void SpinEdit::showValue(int value) {
    if (typedValue() != value)
        setValue(value);
}

void SpinEdit::setText(const QString& text) {
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

std::optional<int> SpinEdit::typedValue() const {
    bool ok = false;
    const int value = text().trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

void SpinEdit::stepBy(int steps) {
    const int current = std::clamp(value(), minimum_, maximum_);
    setValue(current + steps);
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
    if (isReadOnly())
        return StepNone;
    const int current = value();
    StepEnabled enabled = StepNone;
    if (current < maximum_)
        enabled |= StepUpEnabled;
    if (current > minimum_)
        enabled |= StepDownEnabled;
    return enabled;
}

// Only digits with an optional sign can be typed; an empty box is allowed
// while typing, and the dialog's OK reports it.
QValidator::State SpinEdit::validate(QString& input, int&) const {
    const QString trimmed = input.trimmed();
    for (int k = 0; k < trimmed.size(); ++k) {
        const QChar c = trimmed.at(k);
        if (c.isDigit() && c.unicode() < 128)
            continue;
        if (k == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+')))
            continue;
        return QValidator::Invalid;
    }
    return QValidator::Acceptable;
}

QSize SpinEdit::sizeHint() const {
    const QSize base = QAbstractSpinBox::sizeHint();
    const int digits = fontMetrics().horizontalAdvance(QStringLiteral("00000"));
    return {std::max(base.width(), digits + 30), base.height()};
}

} // namespace targello
