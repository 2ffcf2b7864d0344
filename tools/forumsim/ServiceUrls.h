#pragma once

// The URLs of the simulated service, built from the endpoint table: board pages, comment
// and post links, single-message pages, forum pages and board lists.

#include "Board.h"
#include "Forum.h"
#include "store/ServiceConfiguration.h"

#include <QString>

namespace tavrel::forumsim {

class ServiceUrls
{
public:
    explicit ServiceUrls(const ServiceConfiguration& configuration);

    // ".../nb_wrent/<id>/wr_page=<n>/wr_type=M"
    QString boardPage(const BoardSettings& board, int page) const;
    // ".../nb_wrent/<id>": the board's first page, as forum top pages link it.
    QString boardTop(const BoardSettings& board) const;
    // ".../nb_wrent_do?bid=<id>[&wr_add=...]&wr_type=M"
    QString post(const BoardSettings& board) const;
    // ".../nb_wrent_re/<id>/[wr_add=.../]wr_sq=<n>?wr_type=C"; site-relative when asked.
    QString commentLink(const BoardSettings& board, int number, bool relative) const;
    // ".../nb_wrenT_m/<id>/[wr_add=.../]wr_sq=<n>": the page of one message.
    QString messagePage(const BoardSettings& board, int number) const;
    // The "wr_url=" query of the message link: "/nbbin/nb_wren/".
    QString wrUrl(const BoardSettings& board) const;

    QString memberOrigin() const;
    QString forumTop(const Forum& forum) const;
    // The forum's home on the portal (for forums without a top page).
    QString forumHome(const Forum& forum) const;
    // The four board-list URLs the client tries, by attempt (0 = the forum's own).
    QString boardList(const Forum& forum, int attempt) const;
    QString forumList() const;
    QString allBoards() const;
    QString myDeskForm(const QString& memberId) const;

private:
    QString scriptPath(const BoardSettings& board, const QString& script) const;
    QString wrAddPart(const BoardSettings& board) const;

    const ServiceConfiguration& m_configuration;
};

} // namespace tavrel::forumsim
