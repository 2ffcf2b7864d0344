#include "MyDeskService.h"

#include "HtmlPage.h"
#include "JapanTime.h"
#include "MyDeskRenderer.h"
#include "PageReply.h"
#include "SessionCookies.h"

#include <QJsonObject>

namespace tavrel::forumsim {

MyDeskService::MyDeskService(SimContext& context)
    : m_context(context)
{}

bool MyDeskService::handle(Exchange& exchange)
{
    const QString& path = exchange.path();
    if (path == u"/forum/message/inbox.go")
        inbox(exchange);
    else if (path == u"/forum/message/view.go")
        view(exchange);
    else if (path == u"/forum/message/send.go")
        send(exchange);
    else if (path == u"/forum/message/form.go" || path == u"/forum/profile.go")
        memberPage(exchange, path == u"/forum/profile.go");
    else
        return false;
    return true;
}

std::optional<QString> MyDeskService::sessionMember(Exchange& exchange, const Behaviour& behaviour)
{
    const QString token = exchange.cookie(SessionCookies::sessionCookieName());
    const std::optional<QString> member = m_context.sessions.memberOf(token);
    if (!member) {
        Behaviour refusal = behaviour;
        if (refusal.mode == Behaviour::Mode::Normal || refusal.mode == Behaviour::Mode::Slow)
            refusal = Behaviour();
        PageReply::page(
            exchange, refusal, m_context.stopping, 403,
            HtmlPage::errorPage(
                QStringLiteral("403 Forbidden"),
                QStringLiteral("ログインの有効期限が切れました。もう一度ログインしてください。")));
        return std::nullopt;
    }
    exchange.setLoggedMember(*member);
    SessionCookies::set(exchange, m_context.configuration, token, *member);
    return member;
}

void MyDeskService::inbox(Exchange& exchange)
{
    const Behaviour behaviour = m_context.behaviours.take(QStringLiteral("inbox"));
    const auto member = sessionMember(exchange, behaviour);
    if (!member)
        return;
    const auto fields = exchange.isPost() ? exchange.bodyFields() : exchange.queryFields();
    if (fields)
        exchange.setLoggedFields(fields->toVariantMap());
    const QString pageText = fields ? fields->value(QStringLiteral("page")) : QString();
    const int page = pageText.isEmpty() ? 1 : pageText.toInt();
    QString html;
    {
        auto lock = m_context.state.lock();
        html = MyDeskRenderer(m_context.configuration).inboxPage(m_context.state.inboxOf(*member), page);
    }
    PageReply::page(exchange, behaviour, m_context.stopping, 200, html);
}

void MyDeskService::view(Exchange& exchange)
{
    const Behaviour behaviour = m_context.behaviours.take(QStringLiteral("message"));
    const auto member = sessionMember(exchange, behaviour);
    if (!member)
        return;
    const auto query = exchange.queryFields();
    QString html;
    {
        auto lock = m_context.state.lock();
        MyDeskMessage* message =
            query ? m_context.state.myDeskMessage(query->value(QStringLiteral("id")).toInt()) : nullptr;
        if (message && message->toId == *member) {
            message->read = true;
            html = MyDeskRenderer(m_context.configuration).messagePage(*message);
        }
    }
    if (html.isEmpty()) {
        PageReply::page(exchange, Behaviour(), m_context.stopping, 404,
                        HtmlPage::errorPage(QStringLiteral("404 Not Found"),
                                            QStringLiteral("メッセージが見つかりません。")));
        return;
    }
    PageReply::page(exchange, behaviour, m_context.stopping, 200, html);
}

void MyDeskService::send(Exchange& exchange)
{
    const Behaviour behaviour = m_context.behaviours.take(QStringLiteral("send"));
    const auto member = sessionMember(exchange, behaviour);
    if (!member)
        return;
    const auto form = exchange.isPost() ? exchange.bodyFields() : std::nullopt;
    const MyDeskRenderer renderer(m_context.configuration);
    if (!form) {
        PageReply::page(exchange, Behaviour(), m_context.stopping, 400,
                        HtmlPage::errorPage(QStringLiteral("400 Bad Request"),
                                            QStringLiteral("フォームの内容を読み取れません。")));
        return;
    }
    exchange.setLoggedFields(form->toVariantMap());
    if (behaviour.mode == Behaviour::Mode::Fail || behaviour.mode == Behaviour::Mode::NotFound) {
        PageReply::page(exchange, behaviour, m_context.stopping, 200, QString());
        return;
    }
    const QString toId = form->value(QStringLiteral("toid"));
    const QString toName = form->value(QStringLiteral("toname"));
    const QString text = form->value(QStringLiteral("message"));
    QString html;
    {
        auto lock = m_context.state.lock();
        const Member* sender = m_context.state.member(*member);
        if (!m_context.state.member(toId)) {
            html = renderer.refusedPage(QStringLiteral("宛先のIDが見つかりません：") + toId);
        } else if (text.trimmed().isEmpty()) {
            html = renderer.refusedPage(QStringLiteral("本文を入力してください。"));
        } else if (form->value(QStringLiteral("target")) != u"secondok") {
            html = renderer.confirmPage(toId, toName, text);
        } else {
            MyDeskMessage message;
            message.toId = toId;
            message.fromId = *member;
            message.fromName = sender ? sender->name : *member;
            message.text = text;
            message.date = JapanTime::now();
            const int id = m_context.state.deliver(message);
            QJsonObject record = QJsonObject::fromVariantMap(form->toVariantMap());
            record.insert(QStringLiteral("kind"), QStringLiteral("mydesk"));
            record.insert(QStringLiteral("id"), id);
            record.insert(QStringLiteral("member"), *member);
            m_context.state.recordPost(record);
            html = renderer.sentPage(toId);
        }
    }
    PageReply::page(exchange, behaviour, m_context.stopping, 200, html);
}

void MyDeskService::memberPage(Exchange& exchange, bool profile)
{
    const auto query = exchange.queryFields();
    const QString id =
        query ? query->value(profile ? QStringLiteral("id") : QStringLiteral("toid")) : QString();
    QString html;
    {
        auto lock = m_context.state.lock();
        if (const Member* member = m_context.state.member(id)) {
            const MyDeskRenderer renderer(m_context.configuration);
            html = profile ? renderer.profilePage(*member) : renderer.formPage(*member);
        }
    }
    if (html.isEmpty()) {
        PageReply::page(
            exchange, Behaviour(), m_context.stopping, 404,
            HtmlPage::errorPage(QStringLiteral("404 Not Found"), QStringLiteral("会員が見つかりません。")));
        return;
    }
    PageReply::page(exchange, Behaviour(), m_context.stopping, 200, html);
}

} // namespace tavrel::forumsim
