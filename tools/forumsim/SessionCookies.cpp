#include "SessionCookies.h"

namespace tavrel::forumsim {

namespace {

void addCookie(Exchange& exchange, const QString& cookie)
{
    exchange.response().headers.emplace("Set-Cookie", cookie.toStdString());
}

} // namespace

void SessionCookies::set(Exchange& exchange, const ServiceConfiguration& configuration, const QString& token,
                         const QString& memberId)
{
    const QString domain =
        QStringLiteral("; Domain=") + configuration.serviceDomain() + QStringLiteral("; Path=/");
    addCookie(exchange, sessionCookieName() + u'=' + token + domain);
    addCookie(exchange, memberCookieName() + u'=' + memberId + domain);
    addCookie(exchange, QStringLiteral("NFLASTHOST=") + exchange.host() + QStringLiteral("; Path=/"));
}

void SessionCookies::clear(Exchange& exchange, const ServiceConfiguration& configuration)
{
    const QString expired = QStringLiteral("=; Domain=") + configuration.serviceDomain() +
                            QStringLiteral("; Path=/; Expires=Thu, 01 Jan 1970 00:00:00 GMT");
    addCookie(exchange, sessionCookieName() + expired);
    addCookie(exchange, memberCookieName() + expired);
}

} // namespace tavrel::forumsim
