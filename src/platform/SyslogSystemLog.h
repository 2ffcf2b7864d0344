#pragma once

// The system log of the desktop: syslog(3), and standard error as well when it is a terminal.

#include "platform/SystemLog.h"

#include <QByteArray>

namespace tavrel {

class SyslogSystemLog : public SystemLog
{
public:
    // `identity` names the program in the log ("Tavrel", "TavrelMigrate", ...).
    explicit SyslogSystemLog(const QByteArray& identity);
    ~SyslogSystemLog() override;

    SyslogSystemLog(const SyslogSystemLog&) = delete;
    SyslogSystemLog& operator=(const SyslogSystemLog&) = delete;

protected:
    void writeLine(const QString& line) override;

private:
    // openlog keeps the pointer, so the text lives as long as the log.
    QByteArray m_identity;
    bool m_toStandardError;
};

} // namespace tavrel
