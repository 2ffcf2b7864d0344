#pragma once

// The cursor every parser walks text with. Positions count UTF-16 code units. Before every
// step the scanner passes over white space and line separators; a failed step leaves the
// position where it was before the step. The scanner never copies the text it walks: the
// caller keeps the text alive for the scanner's lifetime.

#include <QString>
#include <QStringView>

#include <optional>

namespace tavrel {

class TextScanner
{
public:
    explicit TextScanner(QStringView text);

    // Comparisons ignore letter case unless this is on (off by default).
    void setCaseSensitive(bool on) { m_caseSensitive = on; }
    bool caseSensitive() const { return m_caseSensitive; }

    qsizetype position() const { return m_position; }
    // Moves without skipping; clamped to the text.
    void setPosition(qsizetype position);
    QStringView text() const { return m_text; }

    // Passes over skip characters; succeeds and moves past `literal` when the text there
    // begins with it. An empty literal fails.
    bool scan(QStringView literal);
    // Passes over skip characters, then collects up to the next `marker` (or the end) and
    // stops before it; fails when nothing is collected (the marker comes first, only skip
    // characters are left, or the marker is empty).
    std::optional<QStringView> scanUpTo(QStringView marker);
    // Collects up to the first character that is one of `stops` (or the end); fails when
    // nothing is collected.
    std::optional<QStringView> scanUpToAnyOf(QStringView stops);
    // Optional sign and decimal digits, clamped to 32 bits; fails without a digit.
    std::optional<int> scanInteger();
    // True when only skip characters remain.
    bool atEnd() const;

    // "The text between A and B": scan up to A, scan A, scan up to B. Absent when any of the
    // three steps fails; the steps that succeeded before keep their moves.
    std::optional<QStringView> textBetween(QStringView a, QStringView b);

    // The skip set: Unicode white space and line separators, the ideographic space included.
    static bool isSkip(QChar c) { return c.isSpace(); }

private:
    qsizetype skipFrom(qsizetype position) const;
    Qt::CaseSensitivity caseRule() const { return m_caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive; }

    QStringView m_text;
    qsizetype m_position = 0;
    bool m_caseSensitive = false;
};

} // namespace tavrel
