#pragma once

// Runs the built tavrelsplit and gathers what it reports.

#include "support/TempDir.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace tavrel::test {

struct CutterRun
{
    int exitStatus = -1;
    QStringList errorLines;
    QByteArray output;
};

inline CutterRun runCutter(const QStringList& arguments)
{
    QProcess process;
    process.start(binaryDir() + QStringLiteral("/tavrelsplit"), arguments);
    CutterRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitStatus = process.exitCode();
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    run.errorLines = errors.split(u'\n', Qt::SkipEmptyParts);
    run.output = process.readAllStandardOutput();
    return run;
}

} // namespace tavrel::test
