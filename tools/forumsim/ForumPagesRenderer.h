#pragma once

// The markup of the forum pages: a forum's top page with each board's last-message date,
// the forum list, the per-forum board lists and the all-board list, the last three with
// their machine-readable block between "<!--CM_FREEBOARD_START" and "CM_FREEBOARD_END-->".

#include "ForumState.h"
#include "ServiceUrls.h"
#include "store/ServiceConfiguration.h"

#include <QString>

namespace tavrel::forumsim {

class ForumPagesRenderer
{
public:
    ForumPagesRenderer(const ServiceConfiguration& configuration, const ForumState& state);

    QString forumTop(const Forum& forum) const;
    // The portal page of a forum without a top page.
    QString forumHome(const Forum& forum) const;
    QString forumList() const;
    QString boardList(const Forum& forum) const;
    QString allBoards() const;

private:
    // One board line ("OPEN:id name", "skip:...", "del:id"); empty for a hidden board.
    static QString boardLine(const BoardSettings& board);
    QString forumLines(const Forum& forum, bool withBoardListUrl) const;

    const ServiceConfiguration& m_configuration;
    const ForumState& m_state;
    ServiceUrls m_urls;
};

} // namespace tavrel::forumsim
