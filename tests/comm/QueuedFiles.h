#pragma once

// Files a run finds in the data folder: queued outgoing messages in Post and the user's
// before- and after-procedure programs.

#include "store/OutgoingMessageFile.h"

#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

namespace tavrel::test {

using Fields = QList<QPair<QString, QString>>;

// Writes an outgoing message file with these text fields; returns its path.
inline QString writeQueued(const QString& folder, const QString& name, const Fields& fields)
{
    PlistDict dict;
    for (const auto& [key, value] : fields)
        dict.insert(key, value);
    const QString path = folder + u'/' + name;
    OutgoingMessageFile::write(path, dict);
    return path;
}

// A board message for `postURL` with the three required fields (and any extra ones).
inline QString writeBoardPost(const QString& folder, const QString& name, const QString& postURL,
                              const QString& body, const Fields& extra = {})
{
    return writeQueued(folder, name,
                       Fields{{QStringLiteral("wr_spname"), QStringLiteral("ねこ太郎")},
                              {QStringLiteral("wr_con1"), body},
                              {QStringLiteral("PostURL"), postURL}} +
                           extra);
}

inline QString writeMyDeskMessage(const QString& folder, const QString& name, const QString& toid,
                                  const QString& text)
{
    return writeQueued(folder, name,
                       {{QStringLiteral("toid"), toid},
                        {QStringLiteral("toname"), QStringLiteral("受取人")},
                        {QStringLiteral("message"), text}});
}

// A shell script that runs `body` and is executable; returns its path.
inline QString writeScript(const QString& path, const QByteArray& body)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace tavrel::test
