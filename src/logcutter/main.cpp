// tavrelsplit BOARDLOG PAGE: cuts one downloaded page into its board log file.

#include "logcutter/LogCutter.h"
#include "store/ServiceConfiguration.h"

#include <QString>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // The tool has no configuration of its own: the service's domain is the compiled-in one.
    const tavrel::LogCutterResult result =
        tavrel::LogCutter::runCommandLine(arguments, tavrel::ServiceConfiguration().serviceDomain());
    for (const QString& line : result.errorLines)
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    return result.exitStatus;
}
