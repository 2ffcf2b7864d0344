#pragma once

// Turns a client argument list ("-o" + name, "-d" + field, ..., URL last) into the text of a
// curl config, which curl reads from standard input when started as "curl -K -". Nothing of
// the request, passwords included, then appears on the process's command line.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tavrel {

class CurlConfig
{
public:
    // One line per argument: `long-option = "value"`, or the bare option name for "-f", and
    // `url = "..."` for an argument that is not an option. Nothing when an argument is an
    // option this program never uses or a value holds NUL (which no config line can carry).
    static std::optional<QByteArray> fromArguments(const QStringList& arguments);

    // A value in double quotes with backslash, double quote and the line-breaking control
    // characters escaped as curl's config syntax reads them.
    static QString quoted(const QString& value);
};

} // namespace tavrel
