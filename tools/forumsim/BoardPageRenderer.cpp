#include "BoardPageRenderer.h"

#include "HtmlPage.h"
#include "JapanTime.h"

#include <QStringList>

namespace tavrel::forumsim {

BoardPageRenderer::BoardPageRenderer(const ServiceConfiguration& configuration, const Forum* forum)
    : m_configuration(configuration)
    , m_forum(forum)
    , m_urls(configuration)
{}

QString BoardPageRenderer::pageTitle(const Board& board) const
{
    const QString separator = m_configuration.keijibanTitleSeparator();
    return QStringLiteral("@nifty") + separator + QStringLiteral("フォーラム") + separator +
           (m_forum ? m_forum->name : QString()) + separator + board.settings().title;
}

QString BoardPageRenderer::bodyAttributes(const BoardSettings& board) const
{
    QStringList attributes;
    const std::pair<const char16_t*, QString> colours[] = {{u"bgcolor", board.bgColor},
                                                           {u"text", board.textColor},
                                                           {u"link", board.linkColor},
                                                           {u"vlink", board.vlinkColor},
                                                           {u"alink", board.alinkColor}};
    for (const auto& [name, value] : colours) {
        if (!value.isEmpty())
            attributes.append(QString::fromUtf16(name) + QStringLiteral("=\"#") + value + u'"');
    }
    return attributes.join(u' ');
}

QString BoardPageRenderer::document(const Board& board, const QString& body) const
{
    const BoardSettings& settings = board.settings();
    QString header = QStringLiteral("<table width=\"100%\" border=\"0\"><tr><td>");
    if (m_forum) {
        header += QStringLiteral("<a href=\"") + m_urls.forumTop(*m_forum) + QStringLiteral("\">") +
                  HtmlPage::escape(m_forum->name) + QStringLiteral("</a> &gt; ");
    }
    header +=
        QStringLiteral("<b>") + HtmlPage::escape(settings.title) + QStringLiteral("</b></td></tr></table>\n");
    if (!settings.explanation.isEmpty()) {
        header += QStringLiteral("<div class=\"setsumei\">") + m_configuration.toolMeiToSetsumeiBunStart() +
                  settings.explanation + m_configuration.toolMeiToSetsumeiBunEnd() +
                  QStringLiteral("</div>\n");
    }
    return HtmlPage::document(pageTitle(board), settings.charset, bodyAttributes(settings), header + body);
}

QString BoardPageRenderer::navigation(const Board& board, int page) const
{
    const BoardSettings& settings = board.settings();
    QString nav = QStringLiteral("<p class=\"nav\">");
    if (page > 1) {
        nav += QStringLiteral("<a href=\"") + m_urls.boardPage(settings, page - 1) +
               QStringLiteral("\">&lt;&lt; 新しい20件</a> ");
    }
    nav += QStringLiteral("[%1/%2ページ]").arg(page).arg(qMax(1, board.pageCount()));
    if (page < board.pageCount()) {
        nav += QStringLiteral(" <a href=\"") + m_urls.boardPage(settings, page + 1) +
               QStringLiteral("\">古い20件 &gt;&gt;</a>");
    }
    return nav + QStringLiteral("</p>\n");
}

QString BoardPageRenderer::boardPage(const Board& board, int page) const
{
    QString body = QStringLiteral("<p>発言数：%1件</p>\n").arg(board.messages().size());
    body += navigation(board, page);
    body += QStringLiteral("<hr>\n");
    for (const BoardMessage* message : board.page(page))
        body += messageBlock(board, *message);
    body += QStringLiteral("<hr>\n") + navigation(board, page);
    body += QStringLiteral("<p><a href=\"") + m_urls.post(board.settings()) +
            QStringLiteral("\">新規発言</a></p>");
    return document(board, body);
}

QString BoardPageRenderer::messagePage(const Board& board, const BoardMessage& message) const
{
    return document(board, messageBlock(board, message));
}

QString BoardPageRenderer::actionBlock(const BoardMessage& message) const
{
    if (message.memberId.isEmpty())
        return {};
    return QStringLiteral("<div style=\"position:absolute;visibility:hidden;\">") +
           m_configuration.konoUserHenoAction() + QStringLiteral("<br>\n<a href=\"") +
           m_urls.myDeskForm(message.memberId) + QStringLiteral("\">メッセージを送る</a><br>\n<a href=\"") +
           m_urls.memberOrigin() + QStringLiteral("/forum/profile.go?id=") + message.memberId +
           QStringLiteral("\">プロフィール</a></div>\n");
}

QString BoardPageRenderer::messageBlock(const Board& board, const BoardMessage& message) const
{
    const BoardSettings& settings = board.settings();
    const bool old = settings.kind.isOldStyle();
    QString block = QStringLiteral("<!-- BEGIN -->\n");
    block += old ? QStringLiteral("<table border=\"1\" width=\"100%\" cellpadding=\"3\"><tr><td>\nNo.")
                 : QStringLiteral("<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"4\">\n"
                                  "<tr><td bgcolor=\"#E8F0FF\">\n");
    block += QStringLiteral("<b><!-- NO B -->%1<!-- NO E --></b><!-- PNO=%2 -->\n")
                 .arg(message.number)
                 .arg(message.comment);
    block += old ? QStringLiteral("【<!-- TI B -->") + message.title + QStringLiteral("<!-- TI E -->】\n")
                 : QStringLiteral("<b><!-- TI B -->") + message.title +
                       QStringLiteral("<!-- TI E --></b>\n</td></tr>\n<tr><td>\n");
    block += QStringLiteral("<!-- NN B -->") + message.name + QStringLiteral("<!-- NN E -->");
    if (!message.memberId.isEmpty())
        block += QStringLiteral(" <span class=\"id\">[") + message.memberId + QStringLiteral("]</span>");
    block += u'\n';
    if (!message.email.isEmpty()) {
        block += QStringLiteral("<!-- EAD B --><a href=\"mailto:") + HtmlPage::escape(message.email) +
                 QStringLiteral("\">[メール]</a><!-- EAD E -->\n");
    }
    block += QStringLiteral("<!-- DAT B -->") + JapanTime::boardDate(message.date) +
             QStringLiteral("<!-- DAT E -->\n");
    block += actionBlock(message);
    block += old ? QStringLiteral("<br>\n") : QStringLiteral("</td></tr>\n<tr><td>\n");
    block += QStringLiteral("<!-- CON B -->\n") + message.body + u'\n';
    if (!message.image.isEmpty())
        block += QStringLiteral("<br><img src=\"") + HtmlPage::escape(message.image) +
                 QStringLiteral("\" alt=\"画像\"><br>\n");
    if (!message.link.isEmpty()) {
        const QString link = HtmlPage::escape(message.link);
        block += QStringLiteral("<br>リンク：<a href=\"") + link + QStringLiteral("\" target=\"_blank\">") +
                 link + QStringLiteral("</a>\n");
    }
    block += QStringLiteral("<!-- CON E -->\n<br><a href=\"") +
             m_urls.commentLink(settings, message.number, settings.relativeLinks) +
             QStringLiteral("\">この発言にコメントする</a>\n | <a href=\"") +
             m_urls.messagePage(settings, message.number) + QStringLiteral("?wr_url=") +
             m_urls.wrUrl(settings) + QStringLiteral("\">この発言のURL</a>\n");
    const QList<int> comments = board.commentsOn(message.number);
    if (!comments.isEmpty()) {
        QStringList numbers;
        for (int number : comments)
            numbers.append(QString::number(number));
        block += QStringLiteral("<br><!-- REF B -->この発言へのコメント：") +
                 numbers.join(QStringLiteral(", ")) + QStringLiteral("<!-- REF E -->\n");
    }
    block += QStringLiteral("</td></tr>\n</table>\n<!-- END -->\n");
    return block;
}

QString BoardPageRenderer::passwordPage(const Board& board, bool wrongPassword) const
{
    QString body;
    if (wrongPassword)
        body += QStringLiteral("<p><font color=\"red\">パスワードが違います。</font></p>\n");
    body +=
        QStringLiteral("<p>この会議室はパスワードで保護されています。</p>\n<form method=\"post\" action=\"") +
        m_urls.boardPage(board.settings(), 1) +
        QStringLiteral("\">\n<input type=\"hidden\" name=\"ktype\" value=\"") + m_configuration.maru() +
        QStringLiteral("\">\nパスワード：<input type=\"password\" name=\"b_passwd\">\n"
                       "<input type=\"submit\" value=\"入室\">\n</form>");
    return document(board, body);
}

QString BoardPageRenderer::postForm(const Board& board, const BoardMessage* commentOn) const
{
    const BoardSettings& settings = board.settings();
    QString action = m_urls.post(settings);
    QString title;
    if (commentOn) {
        action += QStringLiteral("&wr_psq=%1").arg(commentOn->number);
        title = QStringLiteral("Re:") + commentOn->title;
    }
    const auto field = [](const char16_t* label, const char16_t* name, const QString& value) {
        return QString::fromUtf16(label) + QStringLiteral("：<input type=\"text\" name=\"") +
               QString::fromUtf16(name) + QStringLiteral("\" value=\"") + value + QStringLiteral("\"><br>\n");
    };
    QString body = QStringLiteral("<form method=\"post\" action=\"") + action + QStringLiteral("\">\n");
    body += QStringLiteral("<input type=\"hidden\" name=\"ktype\" value=\"") + m_configuration.maru() +
            QStringLiteral("\">\n");
    body += field(u"お名前", u"wr_spname", QString()) + field(u"メール", u"wr_email", QString()) +
            field(u"タイトル", u"wr_title", title);
    body += QStringLiteral("<textarea name=\"wr_con1\" rows=\"10\" cols=\"60\"></textarea><br>\n");
    if (settings.kind.isOldStyle()) {
        body += QStringLiteral("<input type=\"hidden\" name=\"tstamp\" value=\"940590220\">\n");
        body += QStringLiteral("<input type=\"submit\" name=\"exec\" value=\"") +
                m_configuration.hatsugenSuru() + QStringLiteral("\">\n");
    } else {
        body += field(u"リンク", u"wr_lurl", QString()) + field(u"削除キー", u"wr_delkw", QString());
        body += QStringLiteral("<input type=\"submit\" value=\"") + m_configuration.hatsugenSuru() +
                QStringLiteral("\">\n");
    }
    if (!settings.password.isEmpty())
        body += QStringLiteral("会議室パスワード：<input type=\"password\" name=\"wr_sppasswd\"><br>\n");
    body += QStringLiteral("</form>");
    return document(board, body);
}

} // namespace tavrel::forumsim
