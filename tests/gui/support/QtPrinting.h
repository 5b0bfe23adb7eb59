#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

// GoogleTest shows Qt's texts as text, not as lists of 2-byte objects.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}
