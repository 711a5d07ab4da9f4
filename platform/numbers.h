#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The value of the longest leading part of text that reads as a number:
// blanks anywhere are skipped, then an optional sign, digits, an optional
// decimal part and an optional exponent. 0 when there is none.
double readNumber(QStringView text);

// Nearest integer, an exact half to the even neighbour; nothing when the
// value does not fit in 16 bits.
std::optional<qint16> toInt16(double value);

// Plain decimal digits with a leading "-" when negative.
QString formatNumber(int value);

// Adds within 16 bits, stopping at the ends of the range instead of wrapping.
qint16 saturatingAdd(qint16 a, qint16 b);
