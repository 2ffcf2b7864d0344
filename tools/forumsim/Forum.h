#pragma once

// A forum of the simulated service and how its pages can be found.

#include <QSet>
#include <QString>
#include <QStringList>

namespace tavrel::forumsim {

struct Forum
{
    // The go command: the forum's identifier in the service's URLs.
    QString id;
    QString name;
    QString welcome;
    // Whether the forum has a top page ("top.go") listing its boards' last dates.
    bool hasTopPage = true;
    // Whether the forum list names the forum's own board-list URL ("BBSINI=").
    bool hasBoardListUrl = true;
    // Which of the four board-list URLs answer (0 = the forum's own, 1-3 the fallbacks).
    QSet<int> boardListAt = {0, 1, 2, 3};
    // Members who may read the forum's members-only boards; empty for every member.
    QStringList memberIds;
};

} // namespace tavrel::forumsim
