#include "TextScanner.h"

#include <climits>

namespace tavrel {

TextScanner::TextScanner(QStringView text)
    : m_text(text)
{}

void TextScanner::setPosition(qsizetype position)
{
    m_position = qBound<qsizetype>(0, position, m_text.size());
}

qsizetype TextScanner::skipFrom(qsizetype position) const
{
    while (position < m_text.size() && isSkip(m_text[position]))
        ++position;
    return position;
}

bool TextScanner::scan(QStringView literal)
{
    // An empty literal never matches: a step that could succeed without moving would let a
    // scanning loop spin.
    if (literal.isEmpty())
        return false;
    const qsizetype start = skipFrom(m_position);
    if (!m_text.sliced(start).startsWith(literal, caseRule()))
        return false;
    m_position = start + literal.size();
    return true;
}

std::optional<QStringView> TextScanner::scanUpTo(QStringView marker)
{
    // An empty marker begins everywhere, so nothing is ever collected before it.
    if (marker.isEmpty())
        return std::nullopt;
    const qsizetype start = skipFrom(m_position);
    qsizetype stop = m_text.indexOf(marker, start, caseRule());
    if (stop < 0)
        stop = m_text.size();
    if (stop == start)
        return std::nullopt;
    m_position = stop;
    return m_text.sliced(start, stop - start);
}

std::optional<QStringView> TextScanner::scanUpToAnyOf(QStringView stops)
{
    const qsizetype start = skipFrom(m_position);
    qsizetype stop = start;
    while (stop < m_text.size() && !stops.contains(m_text[stop]))
        ++stop;
    if (stop == start)
        return std::nullopt;
    m_position = stop;
    return m_text.sliced(start, stop - start);
}

std::optional<int> TextScanner::scanInteger()
{
    qsizetype at = skipFrom(m_position);
    bool negative = false;
    if (at < m_text.size() && (m_text[at] == u'-' || m_text[at] == u'+')) {
        negative = m_text[at] == u'-';
        ++at;
    }
    const qsizetype firstDigit = at;
    qint64 value = 0;
    while (at < m_text.size() && m_text[at] >= u'0' && m_text[at] <= u'9') {
        // Saturate instead of overflowing; the remaining digits are still consumed.
        if (value <= qint64(INT_MAX) + 1)
            value = value * 10 + (m_text[at].unicode() - u'0');
        ++at;
    }
    if (at == firstDigit)
        return std::nullopt;
    m_position = at;
    if (negative)
        return int(qMax<qint64>(-value, INT_MIN));
    return int(qMin<qint64>(value, INT_MAX));
}

bool TextScanner::atEnd() const
{
    return skipFrom(m_position) == m_text.size();
}

std::optional<QStringView> TextScanner::textBetween(QStringView a, QStringView b)
{
    // Each step restores its own position on failure; the chain as a whole does not.
    if (!scanUpTo(a))
        return std::nullopt;
    if (!scan(a))
        return std::nullopt;
    return scanUpTo(b);
}

} // namespace tavrel
