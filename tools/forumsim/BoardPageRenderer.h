#pragma once

// The markup of board pages: the page title with its colon-separated parts, body-tag
// colours, the explanation between its markers, and one marked-up block per message with
// number, comment number, title, name, e-mail link, date, the hidden per-user action block,
// the text, the comment link and the references.

#include "Board.h"
#include "Forum.h"
#include "ServiceUrls.h"
#include "store/ServiceConfiguration.h"

#include <QString>

namespace tavrel::forumsim {

class BoardPageRenderer
{
public:
    BoardPageRenderer(const ServiceConfiguration& configuration, const Forum* forum);

    // "@nifty：フォーラム：<forum>：<board>", the same on every page of the board.
    QString pageTitle(const Board& board) const;
    // Page `page` of the board (1 = newest); beyond the last page a page without messages.
    QString boardPage(const Board& board, int page) const;
    // The page of one message.
    QString messagePage(const Board& board, const BoardMessage& message) const;
    // The form asking for a protected board's password.
    QString passwordPage(const Board& board, bool wrongPassword) const;
    // The posting form, for a new message or a comment on `commentOn`.
    QString postForm(const Board& board, const BoardMessage* commentOn) const;

private:
    QString document(const Board& board, const QString& body) const;
    QString bodyAttributes(const BoardSettings& board) const;
    QString messageBlock(const Board& board, const BoardMessage& message) const;
    QString actionBlock(const BoardMessage& message) const;
    QString navigation(const Board& board, int page) const;

    const ServiceConfiguration& m_configuration;
    const Forum* m_forum;
    ServiceUrls m_urls;
};

} // namespace tavrel::forumsim
