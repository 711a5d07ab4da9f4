#include "numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

namespace {
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A plain ASCII number, locale-independent; false when out of a double's range.
bool readAscii(const std::string &number, double &value)
{
#ifdef __cpp_lib_to_chars
    return std::from_chars(number.data(), number.data() + number.size(), value).ec != std::errc::result_out_of_range;
#else
    // Where the library has no from_chars for double (the browser's libc++):
    // a stream in the classic locale reads a point whatever the program's
    // locale, and fails on a number out of range.
    std::istringstream in(number);
    in.imbue(std::locale::classic());
    in >> value;
    return !in.fail();
#endif
}
}

double readNumber(QStringView text)
{
    // Gather the accepted characters into a plain ASCII number, then let
    // from_chars (locale-independent) do the arithmetic.
    std::string number;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i]))
            ++i;
    };
    auto takeDigits = [&] {
        bool any = false;
        for (skipBlanks(); i < n && isDigit(text[i]); skipBlanks()) {
            number += char(text[i].unicode());
            ++i;
            any = true;
        }
        return any;
    };

    skipBlanks();
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    bool digits = takeDigits();
    if (i < n && text[i] == u'.') {
        ++i;
        number += '.';
        digits = takeDigits() || digits;
    }
    if (!digits)
        return 0.0;
    if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        const qsizetype mark = i;
        const auto kept = number.size();
        ++i;
        skipBlanks();
        number += 'e';
        if (i < n && (text[i] == u'-' || text[i] == u'+')) {
            number += char(text[i].unicode());
            ++i;
        }
        if (!takeDigits()) {
            number.resize(kept);
            i = mark;
        }
    }

    double value = 0.0;
    if (!readAscii(number, value)) {
        // Too large or too small for a double: keep the sign and the scale.
        const bool negative = number.front() == '-';
        const bool tiny = number.find("e-") != std::string::npos;
        if (tiny)
            return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    return value;
}

std::optional<qint16> toInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // nearbyint rounds halves to even under the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(rounded);
}

QString formatNumber(int value)
{
    return QString::number(value);
}

qint16 saturatingAdd(qint16 a, qint16 b)
{
    const int sum = int(a) + int(b);
    if (sum > std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    if (sum < std::numeric_limits<qint16>::min())
        return std::numeric_limits<qint16>::min();
    return qint16(sum);
}
