#include "MemberService.h"

#include "HtmlPage.h"
#include "PageReply.h"
#include "SessionCookies.h"

namespace tavrel::forumsim {

MemberService::MemberService(SimContext& context)
    : m_context(context)
{}

bool MemberService::handle(Exchange& exchange)
{
    if (exchange.path() == u"/forum/login") {
        login(exchange);
        return true;
    }
    if (exchange.path() == u"/forum/logout.go") {
        logout(exchange);
        return true;
    }
    return false;
}

void MemberService::login(Exchange& exchange)
{
    const Behaviour behaviour = m_context.behaviours.take(QStringLiteral("login"));
    const auto form = exchange.isPost() ? exchange.bodyFields() : std::nullopt;
    if (!exchange.isSecure() || !form) {
        PageReply::page(exchange, behaviour, m_context.stopping, 400,
                        HtmlPage::errorPage(QStringLiteral("400 Bad Request"),
                                            QStringLiteral("ログインはhttpsのPOSTで行ってください。")));
        return;
    }
    QVariantMap logged = form->toVariantMap();
    if (logged.contains(QStringLiteral("attest_pass")))
        logged.insert(QStringLiteral("attest_pass"), QStringLiteral("(hidden)"));
    exchange.setLoggedFields(logged);

    const QString id = form->value(QStringLiteral("attest_id"));
    const Member* member = nullptr;
    {
        auto lock = m_context.state.lock();
        member = m_context.state.authenticate(id, form->value(QStringLiteral("attest_pass")));
    }
    const bool wellFormed = form->value(QStringLiteral("method_type")) == u"GET" &&
                            form->value(QStringLiteral("RETURL")).startsWith(QStringLiteral("http://"));
    QString body;
    if (member && wellFormed) {
        const QString token = m_context.sessions.create(id);
        SessionCookies::set(exchange, m_context.configuration, token, id);
        exchange.setLoggedMember(id);
        const QString back = HtmlPage::escape(form->value(QStringLiteral("RETURL")));
        body = QStringLiteral("<p>ログインしました。</p>\n<p><a href=\"") + back + QStringLiteral("\">") +
               back + QStringLiteral("</a></p>");
    } else {
        // The service answers a failed login with its login form again, not with an error.
        body =
            QStringLiteral("<p><font color=\"red\">@nifty IDまたはパスワードが正しくありません。</font></p>\n"
                           "<form method=\"post\" action=\"/forum/login\">\n"
                           "ID：<input type=\"text\" name=\"attest_id\"><br>\n"
                           "パスワード：<input type=\"password\" name=\"attest_pass\"><br>\n"
                           "<input type=\"submit\" value=\"ログイン\">\n</form>");
    }
    PageReply::page(
        exchange, behaviour, m_context.stopping, 200,
        HtmlPage::document(QStringLiteral("@nifty：ログイン"), Charset::ShiftJIS, QString(), body));
}

void MemberService::logout(Exchange& exchange)
{
    const Behaviour behaviour = m_context.behaviours.take(QStringLiteral("logout"));
    const QString token = exchange.cookie(SessionCookies::sessionCookieName());
    if (const auto member = m_context.sessions.memberOf(token))
        exchange.setLoggedMember(*member);
    m_context.sessions.end(token);
    SessionCookies::clear(exchange, m_context.configuration);
    PageReply::page(exchange, behaviour, m_context.stopping, 200,
                    HtmlPage::document(QStringLiteral("@nifty：ログアウト"), Charset::ShiftJIS, QString(),
                                       QStringLiteral("<p>ログアウトしました。</p>")));
}

} // namespace tavrel::forumsim
