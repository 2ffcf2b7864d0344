#include "AdminService.h"

#include "JapanTime.h"
#include "MessageGenerator.h"
#include "ScenarioReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTimeZone>

namespace tavrel::forumsim {

namespace {

const QString kError = QStringLiteral("error");

QJsonObject failure(const QString& message)
{
    return QJsonObject{{kError, message}};
}

QJsonObject messageJson(const BoardMessage& message)
{
    return QJsonObject{{QStringLiteral("number"), message.number},
                       {QStringLiteral("comment"), message.comment},
                       {QStringLiteral("title"), message.title},
                       {QStringLiteral("name"), message.name},
                       {QStringLiteral("member"), message.memberId},
                       {QStringLiteral("email"), message.email},
                       {QStringLiteral("body"), message.body},
                       {QStringLiteral("link"), message.link},
                       {QStringLiteral("image"), message.image},
                       {QStringLiteral("date"), JapanTime::boardDate(message.date)}};
}

QJsonObject boardSummary(const Board& board)
{
    const BoardSettings& settings = board.settings();
    return QJsonObject{
        {QStringLiteral("id"), settings.id},
        {QStringLiteral("forum"), settings.forumId},
        {QStringLiteral("kind"), settings.kind.prefix()},
        {QStringLiteral("title"), settings.title},
        {QStringLiteral("charset"), settings.charset == Charset::ISO2022JP ? QStringLiteral("iso-2022-jp")
                                                                           : QStringLiteral("Shift_JIS")},
        {QStringLiteral("protected"), !settings.password.isEmpty()},
        {QStringLiteral("lastNumber"), board.lastNumber()},
        {QStringLiteral("messageCount"), int(board.messages().size())},
        {QStringLiteral("pageCount"), board.pageCount()},
        {QStringLiteral("lastDate"),
         board.messages().isEmpty() ? QString() : JapanTime::plainDate(board.messages().constLast().date)}};
}

// One line of text for titles and list lines: line ends become blanks.
QString oneLine(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

void reply(httplib::Response& response, const QJsonObject& body)
{
    response.status =
        body.contains(kError) ? (body.value(kError).toString().startsWith(u"unknown") ? 404 : 400) : 200;
    response.set_content(QJsonDocument(body).toJson(QJsonDocument::Indented).toStdString(),
                         "application/json");
}

QJsonObject requestObject(const httplib::Request& request)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(request.body)).object();
}

QString captured(const httplib::Request& request)
{
    return QString::fromStdString(request.matches[1].str());
}

} // namespace

AdminService::AdminService(SimContext& context)
    : m_context(context)
{}

void AdminService::install(httplib::Server& server)
{
    using Request = httplib::Request;
    using Response = httplib::Response;
    server.Get("/state", [this](const Request&, Response& res) { reply(res, state()); });
    server.Get(R"(/boards/([A-Za-z0-9_-]+))",
               [this](const Request& req, Response& res) { reply(res, board(captured(req))); });
    server.Get("/posts", [this](const Request&, Response& res) {
        auto lock = m_context.state.lock();
        reply(res, QJsonObject{{QStringLiteral("posts"), m_context.state.posts()}});
    });
    server.Get("/requests", [this](const Request&, Response& res) {
        reply(res, QJsonObject{{QStringLiteral("requests"), m_context.requestLog.entries()}});
    });
    server.Post("/requests/clear", [this](const Request&, Response& res) {
        m_context.requestLog.clear();
        reply(res, QJsonObject{{QStringLiteral("ok"), true}});
    });
    server.Get(R"(/mydesk/([A-Za-z0-9_-]+))",
               [this](const Request& req, Response& res) { reply(res, inbox(captured(req))); });
    server.Post(R"(/boards/([A-Za-z0-9_-]+)/retitle)", [this](const Request& req, Response& res) {
        reply(res, retitle(captured(req), requestObject(req)));
    });
    server.Post(R"(/boards/([A-Za-z0-9_-]+)/restart)", [this](const Request& req, Response& res) {
        reply(res, restart(captured(req), requestObject(req)));
    });
    server.Post(R"(/boards/([A-Za-z0-9_-]+)/messages)", [this](const Request& req, Response& res) {
        reply(res, addMessages(captured(req), requestObject(req)));
    });
    server.Post(R"(/boards/([A-Za-z0-9_-]+)/settings)", [this](const Request& req, Response& res) {
        reply(res, changeSettings(captured(req), requestObject(req)));
    });
    server.Post("/behaviour",
                [this](const Request& req, Response& res) { reply(res, setBehaviour(requestObject(req))); });
    server.Post("/behaviour/clear", [this](const Request&, Response& res) {
        m_context.behaviours.clearAll();
        reply(res, QJsonObject{{QStringLiteral("ok"), true}});
    });
    server.Post("/sessions/expire", [this](const Request&, Response& res) {
        m_context.sessions.expireAll();
        reply(res, QJsonObject{{QStringLiteral("ok"), true}});
    });
    server.Post("/sessions/lifetime", [this](const Request& req, Response& res) {
        m_context.sessions.setLifetime(requestObject(req).value(QStringLiteral("seconds")).toInt(0));
        reply(res, QJsonObject{{QStringLiteral("ok"), true}});
    });
    server.Post("/mydesk",
                [this](const Request& req, Response& res) { reply(res, deliver(requestObject(req))); });
    server.set_error_handler([](const Request&, Response& res) {
        if (res.body.empty())
            res.set_content("{\"error\": \"unknown admin request\"}\n", "application/json");
    });
}

QJsonObject AdminService::state() const
{
    auto lock = m_context.state.lock();
    QJsonArray boards;
    for (const Board* board : m_context.state.boards())
        boards.append(boardSummary(*board));
    QJsonArray forums;
    for (const Forum& forum : m_context.state.forums())
        forums.append(QJsonObject{{QStringLiteral("id"), forum.id}, {QStringLiteral("name"), forum.name}});
    QJsonArray members;
    for (const Member& member : m_context.state.members())
        members.append(member.id);
    return QJsonObject{{QStringLiteral("boards"), boards},
                       {QStringLiteral("forums"), forums},
                       {QStringLiteral("members"), members},
                       {QStringLiteral("liveSessions"), m_context.sessions.liveCount()},
                       {QStringLiteral("behaviours"), m_context.behaviours.toJson()}};
}

QJsonObject AdminService::board(const QString& id) const
{
    auto lock = m_context.state.lock();
    const Board* found = m_context.state.board(id);
    if (!found)
        return failure(QStringLiteral("unknown board ") + id);
    QJsonObject object = boardSummary(*found);
    QJsonArray messages;
    for (const BoardMessage& message : found->messages())
        messages.append(messageJson(message));
    object.insert(QStringLiteral("messages"), messages);
    return object;
}

QJsonObject AdminService::retitle(const QString& id, const QJsonObject& request)
{
    const QString title = oneLine(request.value(QStringLiteral("title")).toString());
    auto lock = m_context.state.lock();
    Board* found = m_context.state.board(id);
    if (!found)
        return failure(QStringLiteral("unknown board ") + id);
    if (title.trimmed().isEmpty())
        return failure(QStringLiteral("a title is needed"));
    found->settings().title = title;
    return boardSummary(*found);
}

QJsonObject AdminService::restart(const QString& id, const QJsonObject& request)
{
    auto lock = m_context.state.lock();
    Board* found = m_context.state.board(id);
    if (!found)
        return failure(QStringLiteral("unknown board ") + id);
    const QDateTime lastOld = found->messages().isEmpty() ? QDateTime() : found->messages().constLast().date;
    found->restart();
    lock.unlock();
    QJsonObject fresh = request;
    fresh.insert(QStringLiteral("after"), lastOld.isValid() ? lastOld.toSecsSinceEpoch() : 0);
    return addMessages(id, fresh);
}

QJsonObject AdminService::addMessages(const QString& id, const QJsonObject& request)
{
    auto lock = m_context.state.lock();
    Board* found = m_context.state.board(id);
    if (!found)
        return failure(QStringLiteral("unknown board ") + id);
    const QDateTime now = JapanTime::now();
    if (request.contains(QStringLiteral("count"))) {
        const int count = qBound(0, request.value(QStringLiteral("count")).toInt(), 5000);
        // New messages are later than every message the board had (also before a restart),
        // so a client sees them as news.
        QDateTime from = now.addSecs(-60 * count);
        const qint64 after = qint64(request.value(QStringLiteral("after")).toDouble(0));
        if (!found->messages().isEmpty())
            from = qMax(from, found->messages().constLast().date.addSecs(60));
        if (after > 0)
            from = qMax(from, QDateTime::fromSecsSinceEpoch(after + 60, from.timeZone()));
        const QDateTime to = qMax(now, from.addSecs(60 * count));
        const BoardKind& kind = found->settings().kind;
        MessageGenerator generator(
            m_seed++, m_context.state.members(),
            {QString(), !kind.isOldStyle() && !kind.isSecure(), !kind.isOldStyle(), QString()});
        for (const BoardMessage& message :
             generator.generate(count, from, to, found->lastNumber() + 1, found->messages()))
            found->append(message);
        return boardSummary(*found);
    }
    BoardMessage message;
    message.title = ScenarioReader::plainToMarkup(
        oneLine(request.value(QStringLiteral("title")).toString(QStringLiteral("(無題)"))));
    message.name = ScenarioReader::plainToMarkup(
        oneLine(request.value(QStringLiteral("name")).toString(QStringLiteral("ななし"))));
    message.memberId = request.value(QStringLiteral("member")).toString();
    message.body = ScenarioReader::plainToMarkup(request.value(QStringLiteral("body")).toString());
    message.comment = request.value(QStringLiteral("comment")).toInt(0);
    message.date = now;
    if (!message.memberId.isEmpty() && !m_context.state.member(message.memberId))
        return failure(QStringLiteral("no member ") + message.memberId);
    const int number = found->append(message);
    QJsonObject summary = boardSummary(*found);
    summary.insert(QStringLiteral("number"), number);
    return summary;
}

QJsonObject AdminService::changeSettings(const QString& id, const QJsonObject& request)
{
    auto lock = m_context.state.lock();
    Board* found = m_context.state.board(id);
    if (!found)
        return failure(QStringLiteral("unknown board ") + id);
    BoardSettings& settings = found->settings();
    if (request.contains(QStringLiteral("charset"))) {
        const QString charset = request.value(QStringLiteral("charset")).toString().toLower();
        if (charset != u"shift_jis" && charset != u"iso-2022-jp")
            return failure(QStringLiteral("charset is Shift_JIS or iso-2022-jp"));
        settings.charset = charset == u"iso-2022-jp" ? Charset::ISO2022JP : Charset::ShiftJIS;
    }
    if (request.contains(QStringLiteral("password")))
        settings.password = request.value(QStringLiteral("password")).toString();
    if (request.contains(QStringLiteral("explanation")))
        settings.explanation = request.value(QStringLiteral("explanation")).toString();
    if (request.contains(QStringLiteral("relativeLinks")))
        settings.relativeLinks = request.value(QStringLiteral("relativeLinks")).toBool();
    return boardSummary(*found);
}

QJsonObject AdminService::setBehaviour(const QJsonObject& request)
{
    const QString target = request.value(QStringLiteral("target")).toString();
    const auto mode = Behaviour::modeFromName(request.value(QStringLiteral("mode")).toString());
    if (target.isEmpty() || !mode)
        return failure(
            QStringLiteral("a target and a mode (normal, slow, fail, abort, notfound) are needed"));
    Behaviour behaviour;
    behaviour.mode = *mode;
    behaviour.rate = qBound(1, request.value(QStringLiteral("rate")).toInt(16), 1 << 20);
    behaviour.times = qMax(0, request.value(QStringLiteral("times")).toInt(0));
    m_context.behaviours.set(target, behaviour);
    return QJsonObject{{QStringLiteral("behaviours"), m_context.behaviours.toJson()}};
}

QJsonObject AdminService::deliver(const QJsonObject& request)
{
    auto lock = m_context.state.lock();
    MyDeskMessage message;
    message.toId = request.value(QStringLiteral("to")).toString();
    message.fromId = request.value(QStringLiteral("from")).toString();
    message.text = request.value(QStringLiteral("text")).toString();
    message.read = request.value(QStringLiteral("read")).toBool(false);
    message.date = JapanTime::now();
    const Member* sender = m_context.state.member(message.fromId);
    message.fromName =
        request.value(QStringLiteral("fromName")).toString(sender ? sender->name : message.fromId);
    if (!m_context.state.member(message.toId) || !ScenarioReader::isSafeIdentifier(message.fromId) ||
        message.text.isEmpty())
        return failure(QStringLiteral("a known recipient, a sender ID and a text are needed"));
    return QJsonObject{{QStringLiteral("id"), m_context.state.deliver(message)}};
}

QJsonObject AdminService::inbox(const QString& memberId) const
{
    auto lock = m_context.state.lock();
    if (!m_context.state.member(memberId))
        return failure(QStringLiteral("unknown member ") + memberId);
    QJsonArray messages;
    for (const MyDeskMessage* message : m_context.state.inboxOf(memberId)) {
        messages.append(QJsonObject{{QStringLiteral("id"), message->id},
                                    {QStringLiteral("from"), message->fromId},
                                    {QStringLiteral("text"), message->text},
                                    {QStringLiteral("read"), message->read},
                                    {QStringLiteral("date"), JapanTime::plainDate(message->date)}});
    }
    return QJsonObject{{QStringLiteral("inbox"), messages}};
}

} // namespace tavrel::forumsim
