#include "ForumPagesService.h"

#include "ForumPagesRenderer.h"
#include "HtmlPage.h"
#include "PageReply.h"

#include <QRegularExpression>

namespace tavrel::forumsim {

namespace {

// A transparent 1x1 GIF: every image of the simulated service looks like this.
const QByteArray kGif = QByteArray::fromBase64("R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7");

} // namespace

ForumPagesService::ForumPagesService(SimContext& context)
    : m_context(context)
{}

bool ForumPagesService::handle(Exchange& exchange, const QString& hostRole)
{
    const QString& path = exchange.path();
    if (path.endsWith(QStringLiteral(".gif")) &&
        (path.startsWith(QStringLiteral("/img/")) || path.startsWith(QStringLiteral("/forum/img/")))) {
        image(exchange);
        return true;
    }
    const bool forumHost = hostRole == u"ForumHost";
    const bool portalHost = hostRole == u"PortalHost";
    const bool memberHost = hostRole == u"MemberHost" || hostRole == u"MemberHostLegacy";
    QRegularExpressionMatch match;
    const auto matches = [&](const QString& pattern) {
        match = QRegularExpression(pattern).match(path);
        return match.hasMatch();
    };

    if (forumHost && path == u"/fwebkk/cm_freeboard/forum_list.html") {
        const Behaviour behaviour = m_context.behaviours.take(QStringLiteral("forumlist"));
        auto lock = m_context.state.lock();
        PageReply::page(exchange, behaviour, m_context.stopping, 200,
                        ForumPagesRenderer(m_context.configuration, m_context.state).forumList());
    } else if (forumHost && path == u"/fwebkk/cm_freeboard/cm_freeboard_all.html") {
        const Behaviour behaviour = m_context.behaviours.take(QStringLiteral("allboards"));
        auto lock = m_context.state.lock();
        PageReply::page(exchange, behaviour, m_context.stopping, 200,
                        ForumPagesRenderer(m_context.configuration, m_context.state).allBoards());
    } else if (forumHost && matches(QStringLiteral("^/fwebkk/bbsini/([A-Za-z0-9_-]+)\\.html$"))) {
        boardList(exchange, match.captured(1), 0);
    } else if (forumHost && matches(QStringLiteral("^/([A-Za-z0-9_-]+)/cm_freeboard\\.html$"))) {
        boardList(exchange, match.captured(1), 1);
    } else if (portalHost && matches(QStringLiteral("^/forum/([A-Za-z0-9_-]+)/cm_freeboard\\.html$"))) {
        boardList(exchange, match.captured(1), 2);
    } else if (forumHost &&
               matches(QStringLiteral("^/fwebkk/cm_freeboard/([A-Za-z0-9_-]+)/cm_freeboard\\.html$"))) {
        boardList(exchange, match.captured(1), 3);
    } else if (portalHost && matches(QStringLiteral("^/forum/([A-Za-z0-9_-]+)/(?:index\\.html)?$"))) {
        forumHome(exchange, match.captured(1));
    } else if (memberHost && matches(QStringLiteral("^/forum/([A-Za-z0-9_-]+)/top\\.go$"))) {
        forumTop(exchange, match.captured(1));
    } else {
        return false;
    }
    return true;
}

void ForumPagesService::boardList(Exchange& exchange, const QString& forumId, int attempt)
{
    const Behaviour behaviour = m_context.behaviours.take(QStringLiteral("boardlist:") + forumId);
    auto lock = m_context.state.lock();
    const Forum* forum = m_context.state.forum(forumId);
    const bool answers =
        forum && forum->boardListAt.contains(attempt) && (attempt != 0 || forum->hasBoardListUrl);
    if (!answers) {
        notFound(exchange, behaviour);
        return;
    }
    PageReply::page(exchange, behaviour, m_context.stopping, 200,
                    ForumPagesRenderer(m_context.configuration, m_context.state).boardList(*forum));
}

void ForumPagesService::forumTop(Exchange& exchange, const QString& forumId)
{
    const Behaviour behaviour = m_context.behaviours.take(QStringLiteral("forumtop:") + forumId);
    auto lock = m_context.state.lock();
    const Forum* forum = m_context.state.forum(forumId);
    if (!forum || !forum->hasTopPage) {
        notFound(exchange, behaviour);
        return;
    }
    PageReply::page(exchange, behaviour, m_context.stopping, 200,
                    ForumPagesRenderer(m_context.configuration, m_context.state).forumTop(*forum));
}

void ForumPagesService::forumHome(Exchange& exchange, const QString& forumId)
{
    auto lock = m_context.state.lock();
    const Forum* forum = m_context.state.forum(forumId);
    if (!forum) {
        notFound(exchange, Behaviour());
        return;
    }
    PageReply::page(exchange, Behaviour(), m_context.stopping, 200,
                    ForumPagesRenderer(m_context.configuration, m_context.state).forumHome(*forum));
}

void ForumPagesService::image(Exchange& exchange)
{
    PageReply::bytes(exchange, Behaviour(), m_context.stopping, 200, kGif, "image/gif");
}

void ForumPagesService::notFound(Exchange& exchange, const Behaviour& behaviour)
{
    Behaviour shown = behaviour;
    if (shown.mode != Behaviour::Mode::Fail && shown.mode != Behaviour::Mode::Abort)
        shown.mode = Behaviour::Mode::NotFound;
    PageReply::page(exchange, shown, m_context.stopping, 404, QString());
}

} // namespace tavrel::forumsim
