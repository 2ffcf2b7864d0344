#include "SyslogSystemLog.h"

#include <syslog.h>
#include <unistd.h>

#include <cstdio>

namespace tavrel {

SyslogSystemLog::SyslogSystemLog(const QByteArray& identity)
    : m_identity(identity)
    , m_toStandardError(isatty(STDERR_FILENO) == 1)
{
    openlog(m_identity.constData(), LOG_PID, LOG_USER);
}

SyslogSystemLog::~SyslogSystemLog()
{
    closelog();
}

void SyslogSystemLog::writeLine(const QString& line)
{
    const QByteArray bytes = line.toUtf8();
    // The line is data, never a format.
    syslog(LOG_NOTICE, "%s", bytes.constData());
    if (m_toStandardError)
        std::fprintf(stderr, "%s: %s\n", m_identity.constData(), bytes.constData());
}

} // namespace tavrel
