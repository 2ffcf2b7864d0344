#pragma once

// One run of the log cutter: cuts one downloaded page into message records and merges them
// into its board log file (or, for the file named "message", into the MyDesk message log).
// The run reads the page and the file, decides whether the board is new, retitled or
// restarted (moving the old file to a backup in the last two cases), fills the header, adds
// the messages not yet stored and writes the file once, atomically, when its body is not
// empty. At every moment the board's data are in the board log file or in its newest backup.

#include "store/AppendableBoardLog.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace tavrel {

struct LogCutterResult
{
    // 0 when the run finished, written or not; 1 when the board log file could not be read,
    // moved aside or written.
    int exitStatus = 0;
    // The lines for standard error.
    QStringList errorLines;
};

class LogCutter
{
public:
    LogCutter(QString boardLogPath, QString pagePath, QString serviceDomain);

    // The moment that fills the parts of a date a page lacks (by default the time the run
    // starts).
    void setNow(const QDateTime& now) { m_now = now; }

    LogCutterResult run();

    // The command line without the program name: exactly the board log file and the page.
    static LogCutterResult runCommandLine(const QStringList& arguments, const QString& serviceDomain);

private:
    bool boardLogExists() const;
    LogCutterResult cutBoardPage(AppendableBoardLog& log, const QString& page);
    LogCutterResult cutMyDeskPage(AppendableBoardLog& log, const QString& page);
    // Decides whether the board is new, retitled or restarted and applies it, deriving the
    // names; false (with `result` set) when the old file could not be moved aside.
    bool settleIdentity(AppendableBoardLog& log, const QString& page, bool checkRestart,
                        LogCutterResult& result);
    bool startAfresh(AppendableBoardLog& log, LogCutterResult& result);
    LogCutterResult write(const AppendableBoardLog& log, LogCutterResult result) const;

    QString m_boardLogPath;
    QString m_pagePath;
    QString m_serviceDomain;
    QDateTime m_now;
};

} // namespace tavrel
