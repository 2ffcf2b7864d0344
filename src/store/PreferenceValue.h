#pragma once

// Reading preference values of any stored type the way the preferences expect them: a flag
// from a boolean, a number or a text ("YES", "NO", "1", "true", ...); a number from a number
// or from the leading numeric value of a text; a text from a text or a number.

#include <QString>
#include <QStringView>
#include <QVariant>

#include <optional>

namespace tavrel::preference {

// A flag, or nothing when the value is absent or a list, dictionary, date or data block.
std::optional<bool> flag(const QVariant& value);
// A floating-point number; texts by their leading numeric value (0 when there is none).
std::optional<double> number(const QVariant& value);
// An integer, clamped to 32 bits; texts by their leading integer value.
std::optional<int> integer(const QVariant& value);
// A text; numbers and flags by their usual text form.
std::optional<QString> text(const QVariant& value);

// The leading floating-point value of a text: white space skipped, an optional sign, digits
// with an optional fraction and exponent; 0 when there is none.
double leadingNumber(QStringView text);
// A text's truth: after white space, an optional sign and leading zeros, true when the next
// character is one of "YyTt" or a digit 1-9.
bool leadingFlag(QStringView text);

// A number as stored for the "%f" keys: six fraction digits ("14.000000").
QString fixedText(double value);

} // namespace tavrel::preference
