#pragma once

// System log for tests: keeps the lines written.

#include "platform/SystemLog.h"

#include <QStringList>

namespace tavrel::test {

class FakeSystemLog : public SystemLog
{
public:
    const QStringList& lines() const { return m_lines; }

protected:
    void writeLine(const QString& line) override { m_lines.append(line); }

private:
    QStringList m_lines;
};

} // namespace tavrel::test
