#include "Dispatcher.h"

#include "HtmlPage.h"
#include "PageReply.h"

#include <QDateTime>
#include <QJsonObject>

namespace tavrel::forumsim {

Dispatcher::Dispatcher(SimContext& context)
    : m_context(context)
    , m_boards(context)
    , m_members(context)
    , m_myDesk(context)
    , m_forumPages(context)
{}

QString Dispatcher::roleOf(const QString& host) const
{
    for (const QString& role : ServiceConfiguration::hostKeys()) {
        if (role != u"ServiceDomain" &&
            m_context.configuration.value(role).compare(host, Qt::CaseInsensitive) == 0)
            return role;
    }
    return {};
}

bool Dispatcher::route(Exchange& exchange, const QString& role)
{
    if (role.startsWith(QStringLiteral("BoardHost")))
        return m_boards.handle(exchange, role);
    if (role == u"MemberHost" || role == u"MemberHostLegacy") {
        return m_members.handle(exchange) || m_myDesk.handle(exchange) || m_forumPages.handle(exchange, role);
    }
    if (role == u"ForumHost" || role == u"PortalHost")
        return m_forumPages.handle(exchange, role);
    return false;
}

void Dispatcher::handle(const httplib::Request& request, httplib::Response& response, bool secure)
{
    Exchange exchange(request, response, secure);
    const QString role = roleOf(exchange.host());
    if (!route(exchange, role)) {
        PageReply::page(exchange, Behaviour(), m_context.stopping, 404,
                        HtmlPage::errorPage(QStringLiteral("404 Not Found"),
                                            QStringLiteral("お探しのページは見つかりません。")));
    }
    QJsonObject entry{
        {QStringLiteral("time"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
        {QStringLiteral("method"), exchange.method()},
        {QStringLiteral("url"), exchange.url()},
        {QStringLiteral("role"), role},
        {QStringLiteral("status"), response.status},
        {QStringLiteral("member"), exchange.loggedMember()},
        {QStringLiteral("cookies"), !request.get_header_value("Cookie").empty()},
        {QStringLiteral("basicAuth"), request.has_header("Authorization")},
    };
    if (!exchange.loggedFields().isEmpty())
        entry.insert(QStringLiteral("fields"), QJsonObject::fromVariantMap(exchange.loggedFields()));
    m_context.requestLog.append(entry);
}

} // namespace tavrel::forumsim
