#pragma once

// The board servers: board pages (new-style over http and https with basic authentication,
// members-only and password-protected boards, old-style boards behind the login session),
// the page of one message, the posting form and the posts themselves.

#include "Exchange.h"
#include "SimContext.h"

#include <QString>

#include <optional>

namespace tavrel::forumsim {

class Board;

class BoardService
{
public:
    explicit BoardService(SimContext& context);

    // Answers a request to a board server; false when the path is none of the board paths.
    bool handle(Exchange& exchange, const QString& hostRole);

private:
    struct Route
    {
        enum class Kind
        {
            Page,
            Post,
            CommentForm,
            Message,
        };
        Kind kind = Kind::Page;
        QString folder;
        bool oldStyle = false;
        QString boardId;
        QString wrAdd;
        int number = 1;
    };

    static std::optional<Route> route(const QString& path);
    // The board the route names on this host and scheme; nothing when it does not live there.
    Board* boardAt(const Route& route, const Exchange& exchange, const QString& hostRole);
    // The member the request may read or post as (empty for a guest); nothing when the
    // request was refused, which has then been answered.
    std::optional<QString> admit(Exchange& exchange, const Board& board);
    bool passwordAccepted(Exchange& exchange, const Board& board);

    void servePage(Exchange& exchange, const Board& board, int page);
    void serveMessage(Exchange& exchange, const Board& board, int number, bool form);
    void refuse(Exchange& exchange, int status, const QString& title, const QString& message);

    SimContext& m_context;
};

} // namespace tavrel::forumsim
