#pragma once

// Forum top pages (member server), the forum list, the per-forum board lists at the four
// URLs the client tries (each forum answers only at those its scenario names), the
// all-board list, the portal pages of forums without a top page, and the small images the
// pages show.

#include "Exchange.h"
#include "SimContext.h"

namespace tavrel::forumsim {

class ForumPagesService
{
public:
    explicit ForumPagesService(SimContext& context);

    // Answers the forum pages of the host's role; false for any other path.
    bool handle(Exchange& exchange, const QString& hostRole);

private:
    void boardList(Exchange& exchange, const QString& forumId, int attempt);
    void forumTop(Exchange& exchange, const QString& forumId);
    void forumHome(Exchange& exchange, const QString& forumId);
    void image(Exchange& exchange);
    void notFound(Exchange& exchange, const Behaviour& behaviour);

    SimContext& m_context;
};

} // namespace tavrel::forumsim
