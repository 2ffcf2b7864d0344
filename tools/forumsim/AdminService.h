#pragma once

// The simulator's own interface for tests, on a loopback port of its own, in JSON:
//   GET  /state                      boards, forums, members, sessions, behaviours
//   GET  /boards/<id>                a board with all its messages
//   GET  /posts                      accepted posts and MyDesk messages
//   GET  /requests                   the request log; POST /requests/clear empties it
//   GET  /mydesk/<member>            a member's inbox
//   POST /boards/<id>/retitle        {"title": ...}
//   POST /boards/<id>/restart        {"count": n}: numbering starts again at 1
//   POST /boards/<id>/messages       {"count": n} made-up messages, or one message
//                                    {"title", "name", "member", "body", "comment"}
//   POST /boards/<id>/settings       {"charset", "password", "explanation", "relativeLinks"}
//   POST /behaviour                  {"target", "mode", "rate", "times"}
//   POST /behaviour/clear
//   POST /sessions/expire            ends every login session
//   POST /sessions/lifetime          {"seconds": n}
//   POST /mydesk                     {"to", "from", "text", "read"}

#include "SimContext.h"

#include <QJsonObject>

#include <httplib.h>

namespace tavrel::forumsim {

class AdminService
{
public:
    explicit AdminService(SimContext& context);

    void install(httplib::Server& server);

private:
    QJsonObject state() const;
    QJsonObject board(const QString& id) const;
    QJsonObject retitle(const QString& id, const QJsonObject& request);
    QJsonObject restart(const QString& id, const QJsonObject& request);
    QJsonObject addMessages(const QString& id, const QJsonObject& request);
    QJsonObject changeSettings(const QString& id, const QJsonObject& request);
    QJsonObject setBehaviour(const QJsonObject& request);
    QJsonObject deliver(const QJsonObject& request);
    QJsonObject inbox(const QString& memberId) const;

    SimContext& m_context;
    quint32 m_seed = 1000;
};

} // namespace tavrel::forumsim
