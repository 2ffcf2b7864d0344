#pragma once

// What a run takes from its communication settings file and the Post folder when it starts;
// valid until the next run starts.

#include "comm/ProxyArguments.h"
#include "store/ForumTopEntry.h"
#include "store/PatrolEntry.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tavrel {

struct RunData
{
    QString beforePath;
    QString afterPath;
    // The patrol list; the forum top step removes the boards without news from this copy.
    QList<PatrolEntry> junkaiList;
    QList<ForumTopEntry> forumTopList;
    bool isMyDeskMessageAccess = false;
    // Full paths of the board messages of Post to send, in name order.
    QStringList postList;
    ProxyArguments proxies;
};

} // namespace tavrel
