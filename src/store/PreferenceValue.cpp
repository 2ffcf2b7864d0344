#include "PreferenceValue.h"

#include "text/IntegerValue.h"

#include <cmath>
#include <limits>

namespace tavrel::preference {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype skipSpace(QStringView text, qsizetype i)
{
    while (i < text.size() && text[i].isSpace())
        ++i;
    return i;
}

qsizetype skipDigits(QStringView text, qsizetype i)
{
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

int clampToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(value);
}

int clampToInt(qint64 value)
{
    return int(
        qBound(qint64(std::numeric_limits<int>::min()), value, qint64(std::numeric_limits<int>::max())));
}

} // namespace

double leadingNumber(QStringView text)
{
    const qsizetype start = skipSpace(text, 0);
    qsizetype i = start;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype intStart = i;
    i = skipDigits(text, i);
    bool hasDigits = i > intStart;
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fractionEnd = skipDigits(text, i + 1);
        hasDigits = hasDigits || fractionEnd > i + 1;
        i = fractionEnd;
    }
    if (!hasDigits)
        return 0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype e = i + 1;
        if (e < text.size() && (text[e] == u'+' || text[e] == u'-'))
            ++e;
        const qsizetype exponentEnd = skipDigits(text, e);
        if (exponentEnd > e)
            i = exponentEnd;
    }
    // Only ASCII digits, signs, a point and "e" are left: the conversion cannot fail.
    const double value = text.mid(start, i - start).toString().toDouble();
    return std::isfinite(value) ? value : 0;
}

bool leadingFlag(QStringView text)
{
    qsizetype i = skipSpace(text, 0);
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    while (i < text.size() && text[i] == u'0')
        ++i;
    if (i >= text.size())
        return false;
    const QChar c = text[i];
    return c == u'Y' || c == u'y' || c == u'T' || c == u't' || (c >= u'1' && c <= u'9');
}

std::optional<bool> flag(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value.toLongLong() != 0;
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble() != 0;
    case QMetaType::QString:
        return leadingFlag(value.toString());
    default:
        return std::nullopt;
    }
}

std::optional<double> number(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? 1.0 : 0.0;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        return std::isfinite(number) ? number : 0;
    }
    case QMetaType::QString:
        return leadingNumber(value.toString());
    default:
        return std::nullopt;
    }
}

std::optional<int> integer(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return clampToInt(value.toLongLong());
    case QMetaType::ULongLong:
        return clampToInt(double(value.toULongLong()));
    case QMetaType::Double:
    case QMetaType::Float:
        return clampToInt(value.toDouble());
    case QMetaType::QString:
        return integerValue(value.toString());
    default:
        return std::nullopt;
    }
}

std::optional<QString> text(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toString();
    default:
        return std::nullopt;
    }
}

QString fixedText(double value)
{
    return QString::number(value, 'f', 6);
}

} // namespace tavrel::preference
