#pragma once

// The content of one communication settings file: the boards to patrol, the forum top pages
// to fetch, the proxies, the before- and after-procedures and the MyDesk switch. Root keys
// this program does not know are kept and written back after the ten it writes.

#include "store/ForumTopEntry.h"
#include "store/PatrolEntry.h"
#include "store/PlistValue.h"
#include "store/ProxySettings.h"

#include <QList>
#include <QString>

namespace tavrel {

struct CommunicationSettings
{
    QString beforeProcedure; // "BeforeProcedure": full path, "" for none
    QString afterProcedure;  // "AfterProcedure"
    QList<PatrolEntry> junkaiArray;
    QList<ForumTopEntry> forumTopDownloadArray;
    bool isUseProxy = false; // "IsUseProxy": this file's proxies apply to its runs
    ProxySettings proxies;   // "HttpProxy", "HttpProxyPort", "HttpsProxy", "HttpsProxyPort"
    bool isMyDeskMessageAccess = false;
    PlistDict otherKeys;

    // Reads a root dictionary; missing keys take their empty values, entries that are not
    // dictionaries are left out.
    static CommunicationSettings fromDictionary(const PlistDict& dict);
    // All ten keys, always, then the unknown ones.
    PlistDict toDictionary() const;

    // A procedure path as stored: "~" expanded to the home folder, "." and ".." resolved;
    // "" stays "".
    static QString standardizedPath(const QString& path);

    friend bool operator==(const CommunicationSettings&, const CommunicationSettings&) = default;
};

} // namespace tavrel
