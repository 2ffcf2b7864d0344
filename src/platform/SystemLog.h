#pragma once

// The system log: diagnostic lines, and the detailed ones only while the detail flag
// (preference "KihonLogDetailOutputCheck") is on.

#include <QString>

namespace tavrel {

class SystemLog
{
public:
    virtual ~SystemLog() = default;

    // Writes a line always.
    void log(const QString& line) { writeLine(line); }
    // Writes a line only while detailed output is on.
    void logDetail(const QString& line)
    {
        if (m_detailEnabled)
            writeLine(line);
    }

    bool isDetailEnabled() const { return m_detailEnabled; }
    void setDetailEnabled(bool enabled) { m_detailEnabled = enabled; }

protected:
    virtual void writeLine(const QString& line) = 0;

private:
    bool m_detailEnabled = false;
};

} // namespace tavrel
