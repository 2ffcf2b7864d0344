#include "BoardService.h"

#include "BoardPageRenderer.h"
#include "BoardPosting.h"
#include "HtmlPage.h"
#include "PageReply.h"
#include "SessionCookies.h"

#include <QRegularExpression>

namespace tavrel::forumsim {

BoardService::BoardService(SimContext& context)
    : m_context(context)
{}

std::optional<BoardService::Route> BoardService::route(const QString& path)
{
    static const QString folder = QStringLiteral("^/(nbbin|nbbin_s|mes|mes_s)/(nb|cf)_");
    const QRegularExpression page(folder +
                                  QStringLiteral("wrent/([^/]+)(?:/wr_page=(\\d{1,9})/wr_type=M)?/?$"));
    const QRegularExpression post(folder + QStringLiteral("wrent_do$"));
    const QRegularExpression single(
        folder + QStringLiteral("(wrent_re|wrenT_m)/([^/]+)/(?:wr_add=([^/]+)/)?wr_sq=(\\d{1,9})$"));

    Route route;
    QRegularExpressionMatch match = page.match(path);
    if (match.hasMatch()) {
        route.kind = Route::Kind::Page;
        route.boardId = match.captured(3);
        route.number = match.captured(4).isEmpty() ? 1 : match.captured(4).toInt();
    } else if (match = post.match(path); match.hasMatch()) {
        route.kind = Route::Kind::Post;
    } else if (match = single.match(path); match.hasMatch()) {
        route.kind = match.captured(3) == u"wrent_re" ? Route::Kind::CommentForm : Route::Kind::Message;
        route.boardId = match.captured(4);
        route.wrAdd = match.captured(5);
        route.number = match.captured(6).toInt();
    } else {
        return std::nullopt;
    }
    route.folder = match.captured(1);
    route.oldStyle = match.captured(2) == u"cf";
    return route;
}

Board* BoardService::boardAt(const Route& route, const Exchange& exchange, const QString& hostRole)
{
    Board* board = m_context.state.board(route.boardId);
    if (!board)
        return nullptr;
    const BoardKind& kind = board->settings().kind;
    const bool hostMatches =
        kind.hostRole() == hostRole || (hostRole == u"BoardHostELegacy" && kind.hostRole() == u"BoardHostE");
    const bool matches = hostMatches && kind.scriptFolder() == route.folder &&
                         kind.isOldStyle() == route.oldStyle && kind.isSecure() == exchange.isSecure();
    return matches ? board : nullptr;
}

bool BoardService::handle(Exchange& exchange, const QString& hostRole)
{
    const std::optional<Route> found = route(exchange.path());
    if (!found)
        return false;
    Route route = *found;

    auto lock = m_context.state.lock();
    if (route.kind == Route::Kind::Post) {
        const auto query = exchange.queryFields();
        route.boardId = query ? query->value(QStringLiteral("bid")) : QString();
    }
    Board* board = boardAt(route, exchange, hostRole);
    if (!board || (route.kind != Route::Kind::Page && route.kind != Route::Kind::Post &&
                   route.wrAdd != board->settings().wrAdd)) {
        refuse(exchange, 404, QStringLiteral("404 Not Found"),
               QStringLiteral("指定された会議室は見つかりません。"));
        return true;
    }
    const std::optional<QString> member = admit(exchange, *board);
    if (!member)
        return true;
    exchange.setLoggedMember(*member);

    switch (route.kind) {
    case Route::Kind::Page:
        if (passwordAccepted(exchange, *board))
            servePage(exchange, *board, route.number);
        break;
    case Route::Kind::Post:
        BoardPosting(m_context).post(exchange, *board, *member);
        break;
    case Route::Kind::CommentForm:
    case Route::Kind::Message:
        serveMessage(exchange, *board, route.number, route.kind == Route::Kind::CommentForm);
        break;
    }
    return true;
}

std::optional<QString> BoardService::admit(Exchange& exchange, const Board& board)
{
    const BoardSettings& settings = board.settings();
    QString memberId;
    if (settings.kind.isOldStyle()) {
        const QString token = exchange.cookie(SessionCookies::sessionCookieName());
        const std::optional<QString> sessionMember = m_context.sessions.memberOf(token);
        if (!sessionMember) {
            refuse(exchange, 403, QStringLiteral("403 Forbidden"),
                   QStringLiteral("ログインの有効期限が切れました。もう一度ログインしてください。"));
            return std::nullopt;
        }
        memberId = *sessionMember;
        SessionCookies::set(exchange, m_context.configuration, token, memberId);
    } else if (settings.kind.isSecure()) {
        const auto credentials = exchange.basicCredentials();
        const Member* member =
            credentials ? m_context.state.authenticate(credentials->first, credentials->second) : nullptr;
        if (!member) {
            exchange.response().set_header("WWW-Authenticate", "Basic realm=\"@nifty\"");
            refuse(exchange, 401, QStringLiteral("401 Authorization Required"),
                   QStringLiteral("@nifty IDとパスワードが必要です。"));
            return std::nullopt;
        }
        memberId = member->id;
    }
    const Forum* forum = m_context.state.forum(settings.forumId);
    if (settings.kind.isLimited() && forum && !forum->memberIds.isEmpty() &&
        !forum->memberIds.contains(memberId)) {
        refuse(exchange, 403, QStringLiteral("403 Forbidden"), QStringLiteral("この会議室は会員専用です。"));
        return std::nullopt;
    }
    return memberId;
}

bool BoardService::passwordAccepted(Exchange& exchange, const Board& board)
{
    const QString& password = board.settings().password;
    if (password.isEmpty())
        return true;
    const auto fields = exchange.isPost() ? exchange.bodyFields() : std::nullopt;
    if (fields)
        exchange.setLoggedFields(fields->toVariantMap());
    if (fields && fields->value(QStringLiteral("ktype")) == m_context.configuration.maru() &&
        fields->value(QStringLiteral("b_passwd")) == password)
        return true;
    const Forum* forum = m_context.state.forum(board.settings().forumId);
    const QString page = BoardPageRenderer(m_context.configuration, forum)
                             .passwordPage(board, fields && fields->contains(QStringLiteral("b_passwd")));
    PageReply::page(exchange, Behaviour(), m_context.stopping, 200, page, board.settings().charset);
    return false;
}

void BoardService::servePage(Exchange& exchange, const Board& board, int page)
{
    const Forum* forum = m_context.state.forum(board.settings().forumId);
    const QString html = BoardPageRenderer(m_context.configuration, forum).boardPage(board, page);
    const Behaviour behaviour = m_context.behaviours.take(QStringLiteral("board:") + board.settings().id);
    PageReply::page(exchange, behaviour, m_context.stopping, 200, html, board.settings().charset);
}

void BoardService::serveMessage(Exchange& exchange, const Board& board, int number, bool form)
{
    const BoardMessage* message = board.message(number);
    if (!message) {
        refuse(exchange, 404, QStringLiteral("404 Not Found"),
               QStringLiteral("指定された発言は見つかりません。"));
        return;
    }
    const Forum* forum = m_context.state.forum(board.settings().forumId);
    const BoardPageRenderer renderer(m_context.configuration, forum);
    const QString html = form ? renderer.postForm(board, message) : renderer.messagePage(board, *message);
    PageReply::page(exchange, Behaviour(), m_context.stopping, 200, html, board.settings().charset);
}

void BoardService::refuse(Exchange& exchange, int status, const QString& title, const QString& message)
{
    PageReply::page(exchange, Behaviour(), m_context.stopping, status, HtmlPage::errorPage(title, message));
}

} // namespace tavrel::forumsim
