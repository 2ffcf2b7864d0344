#include "ServiceUrls.h"

namespace tavrel::forumsim {

ServiceUrls::ServiceUrls(const ServiceConfiguration& configuration)
    : m_configuration(configuration)
{}

QString ServiceUrls::scriptPath(const BoardSettings& board, const QString& script) const
{
    return u'/' + board.kind.scriptFolder() + u'/' + board.kind.scriptPrefix() + script;
}

QString ServiceUrls::wrAddPart(const BoardSettings& board) const
{
    return board.wrAdd.isEmpty() ? QString() : QStringLiteral("wr_add=") + board.wrAdd + u'/';
}

QString ServiceUrls::boardPage(const BoardSettings& board, int page) const
{
    return boardTop(board) + QStringLiteral("/wr_page=%1/wr_type=M").arg(page);
}

QString ServiceUrls::boardTop(const BoardSettings& board) const
{
    return board.kind.baseUrl(m_configuration) + board.id;
}

QString ServiceUrls::post(const BoardSettings& board) const
{
    QString url = board.kind.origin(m_configuration) + scriptPath(board, QStringLiteral("wrent_do")) +
                  QStringLiteral("?bid=") + board.id + u'&';
    if (!board.wrAdd.isEmpty())
        url += QStringLiteral("wr_add=") + board.wrAdd + u'&';
    return url + QStringLiteral("wr_type=M");
}

QString ServiceUrls::commentLink(const BoardSettings& board, int number, bool relative) const
{
    const QString origin = relative ? QString() : board.kind.origin(m_configuration);
    return origin + scriptPath(board, QStringLiteral("wrent_re")) + u'/' + board.id + u'/' +
           wrAddPart(board) + QStringLiteral("wr_sq=%1?wr_type=C").arg(number);
}

QString ServiceUrls::messagePage(const BoardSettings& board, int number) const
{
    return board.kind.origin(m_configuration) + scriptPath(board, QStringLiteral("wrenT_m")) + u'/' +
           board.id + u'/' + wrAddPart(board) + QStringLiteral("wr_sq=%1").arg(number);
}

QString ServiceUrls::wrUrl(const BoardSettings& board) const
{
    return scriptPath(board, QStringLiteral("wren/"));
}

QString ServiceUrls::memberOrigin() const
{
    return QStringLiteral("http://") + m_configuration.memberHost();
}

QString ServiceUrls::forumTop(const Forum& forum) const
{
    return memberOrigin() + QStringLiteral("/forum/") + forum.id + QStringLiteral("/top.go");
}

QString ServiceUrls::forumHome(const Forum& forum) const
{
    return QStringLiteral("http://") + m_configuration.portalHost() + QStringLiteral("/forum/") + forum.id +
           QStringLiteral("/index.html");
}

QString ServiceUrls::boardList(const Forum& forum, int attempt) const
{
    const QString forumHost = QStringLiteral("http://") + m_configuration.forumHost();
    switch (attempt) {
    case 0:
        return forumHost + QStringLiteral("/fwebkk/bbsini/") + forum.id + QStringLiteral(".html");
    case 1:
        return forumHost + u'/' + forum.id + QStringLiteral("/cm_freeboard.html");
    case 2:
        return QStringLiteral("http://") + m_configuration.portalHost() + QStringLiteral("/forum/") +
               forum.id + QStringLiteral("/cm_freeboard.html");
    default:
        return forumHost + QStringLiteral("/fwebkk/cm_freeboard/") + forum.id +
               QStringLiteral("/cm_freeboard.html");
    }
}

QString ServiceUrls::forumList() const
{
    return QStringLiteral("http://") + m_configuration.forumHost() +
           QStringLiteral("/fwebkk/cm_freeboard/forum_list.html");
}

QString ServiceUrls::allBoards() const
{
    return QStringLiteral("http://") + m_configuration.forumHost() +
           QStringLiteral("/fwebkk/cm_freeboard/cm_freeboard_all.html");
}

QString ServiceUrls::myDeskForm(const QString& memberId) const
{
    return memberOrigin() + QStringLiteral("/forum/message/form.go?toid=") + memberId;
}

} // namespace tavrel::forumsim
