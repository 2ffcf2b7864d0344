#include "MyDeskRenderer.h"

#include "HtmlPage.h"
#include "JapanTime.h"

#include <QStringList>

namespace tavrel::forumsim {

namespace {

QString textMarkup(const QString& text)
{
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalized.replace(u'\r', u'\n');
    QStringList lines = normalized.split(u'\n');
    for (QString& line : lines)
        line = HtmlPage::escape(line);
    return lines.join(QStringLiteral("<br>\n"));
}

QString myDeskTitle(const QString& part)
{
    return QStringLiteral("@nifty：マイデスク：メッセージ：") + part;
}

} // namespace

MyDeskRenderer::MyDeskRenderer(const ServiceConfiguration& configuration)
    : m_configuration(configuration)
{}

QString MyDeskRenderer::titleOf(const QString& text)
{
    QString first = text.section(u'\n', 0, 0);
    if (first.endsWith(u'\r'))
        first.chop(1);
    return first.trimmed().isEmpty() ? QStringLiteral("(無題)") : first;
}

QString MyDeskRenderer::inboxPage(const QList<const MyDeskMessage*>& inbox, int page) const
{
    const int pages = qMax(1, int((inbox.size() + kPageSize - 1) / kPageSize));
    QString body = QStringLiteral("<h2>受信箱</h2>\n<p>%1件のメッセージ（%2/%3ページ）</p>\n")
                       .arg(QString::number(inbox.size()), QString::number(page), QString::number(pages));
    body += QStringLiteral("<table class=\"inbox\" border=\"0\" width=\"100%\">\n"
                           "<tr><th>状態</th><th>件名</th><th>差出人</th><th>日時</th></tr>\n");
    const qsizetype first = qsizetype(page - 1) * kPageSize;
    for (qsizetype i = qMax<qsizetype>(first, 0); page >= 1 && i < inbox.size() && i < first + kPageSize;
         ++i) {
        const MyDeskMessage& message = *inbox.at(i);
        const QString marker =
            message.read ? m_configuration.messageInboxKidokuIMGTag() + QStringLiteral(" alt=\"既読\">")
                         : m_configuration.messageInboxMidokuIMGTag() + QStringLiteral(" alt=\"未読\">");
        body += QStringLiteral("<tr><td>") + marker + QStringLiteral("</td><td><a href=\"view.go?id=") +
                QString::number(message.id) + QStringLiteral("\">") +
                HtmlPage::escape(titleOf(message.text)) + QStringLiteral("</a></td><td>") +
                HtmlPage::escape(message.fromName) + QStringLiteral(" (") + message.fromId +
                QStringLiteral(")</td><td>") + JapanTime::plainDate(message.date) +
                QStringLiteral("</td></tr>\n");
    }
    body += QStringLiteral("</table>\n<p>");
    if (page > 1)
        body += QStringLiteral("<a href=\"inbox.go?sort=3&amp;page=%1\">前のページ</a> ").arg(page - 1);
    if (page < pages)
        body += QStringLiteral("<a href=\"inbox.go?sort=3&amp;page=%1\">次のページ</a>").arg(page + 1);
    body += QStringLiteral("</p>");
    return HtmlPage::document(myDeskTitle(QStringLiteral("受信箱")), Charset::ShiftJIS, QString(), body);
}

QString MyDeskRenderer::messagePage(const MyDeskMessage& message) const
{
    QString body =
        QStringLiteral("<table class=\"message\" border=\"0\" width=\"100%\">\n<tr><th>差出人</th>");
    body += QStringLiteral("<td><a class=\"classname\" href=\"/forum/profile.go?id=") + message.fromId +
            QStringLiteral("\">") + HtmlPage::escape(message.fromName) + QStringLiteral("</a></td>");
    body += QStringLiteral("<td class=\"memberid\">") + message.fromId + QStringLiteral("\n</td></tr>\n");
    body += QStringLiteral("<tr><th>日時</th><td width=\"70%\">") + JapanTime::plainDate(message.date) +
            QStringLiteral("</td><td></td></tr>\n");
    body += QStringLiteral("<tr><th>本文</th><td class=\"jpsystem\">") + textMarkup(message.text) +
            QStringLiteral("</td><td></td></tr>\n</table>\n");
    body += QStringLiteral("<p><a href=\"inbox.go\">受信箱に戻る</a></p>");
    return HtmlPage::document(myDeskTitle(QStringLiteral("受信メッセージ")), Charset::ShiftJIS, QString(),
                              body);
}

QString MyDeskRenderer::confirmPage(const QString& toId, const QString& toName, const QString& text) const
{
    QString body =
        QStringLiteral("<p>以下の内容で送信します。</p>\n<form method=\"post\" action=\"send.go\">\n");
    body += QStringLiteral("<input type=\"hidden\" name=\"target\" value=\"secondok\">\n");
    body += QStringLiteral("宛先：") + HtmlPage::escape(toName) + QStringLiteral(" (") +
            HtmlPage::escape(toId) + QStringLiteral(")<br>\n<input type=\"hidden\" name=\"toid\" value=\"") +
            HtmlPage::escape(toId) + QStringLiteral("\">\n<input type=\"hidden\" name=\"message\" value=\"") +
            HtmlPage::escape(text) + QStringLiteral("\">\n<p>") + textMarkup(text) +
            QStringLiteral("</p>\n<input type=\"submit\" value=\"送信\">\n</form>");
    return HtmlPage::document(myDeskTitle(QStringLiteral("送信確認")), Charset::ShiftJIS, QString(), body);
}

QString MyDeskRenderer::sentPage(const QString& toId) const
{
    return HtmlPage::document(myDeskTitle(QStringLiteral("送信完了")), Charset::ShiftJIS, QString(),
                              QStringLiteral("<p>") + HtmlPage::escape(toId) +
                                  QStringLiteral(" さんにメッセージを送信しました。</p>"));
}

QString MyDeskRenderer::refusedPage(const QString& reason) const
{
    return HtmlPage::document(myDeskTitle(QStringLiteral("送信エラー")), Charset::ShiftJIS, QString(),
                              QStringLiteral("<p><font color=\"red\">") + HtmlPage::escape(reason) +
                                  QStringLiteral("</font></p>"));
}

QString MyDeskRenderer::formPage(const Member& recipient) const
{
    QString body = QStringLiteral("<form method=\"post\" action=\"send.go\">\n"
                                  "<input type=\"hidden\" name=\"target\" value=\"first\">\n");
    body += QStringLiteral("宛先：") + HtmlPage::escape(recipient.name) + QStringLiteral(" (") +
            recipient.id + QStringLiteral(")<br>\n<input type=\"hidden\" name=\"toid\" value=\"") +
            recipient.id + QStringLiteral("\">\n<input type=\"hidden\" name=\"toname\" value=\"") +
            HtmlPage::escape(recipient.name) +
            QStringLiteral("\">\n<textarea name=\"message\" rows=\"8\" cols=\"60\"></textarea><br>\n"
                           "<input type=\"submit\" value=\"確認\">\n</form>");
    return HtmlPage::document(myDeskTitle(QStringLiteral("メッセージ作成")), Charset::ShiftJIS, QString(),
                              body);
}

QString MyDeskRenderer::profilePage(const Member& member) const
{
    return HtmlPage::document(
        QStringLiteral("@nifty：プロフィール：") + member.name, Charset::ShiftJIS, QString(),
        QStringLiteral("<h1>") + HtmlPage::escape(member.name) + QStringLiteral("</h1>\n<p>") + member.id +
            QStringLiteral("</p>\n<p><a href=\"/forum/message/form.go?toid=") + member.id +
            QStringLiteral("\">メッセージを送る</a></p>"));
}

} // namespace tavrel::forumsim
