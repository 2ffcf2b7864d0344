#include "ForumPagesRenderer.h"

#include "HtmlPage.h"
#include "JapanTime.h"

namespace tavrel::forumsim {

namespace {

const QString kBlockStart = QStringLiteral("<!--CM_FREEBOARD_START\n");
const QString kBlockEnd = QStringLiteral("CM_FREEBOARD_END-->\n");

} // namespace

ForumPagesRenderer::ForumPagesRenderer(const ServiceConfiguration& configuration, const ForumState& state)
    : m_configuration(configuration)
    , m_state(state)
    , m_urls(configuration)
{}

QString ForumPagesRenderer::forumTop(const Forum& forum) const
{
    QString body = QStringLiteral("<h1>") + HtmlPage::escape(forum.name) + QStringLiteral("</h1>\n<p>") +
                   HtmlPage::escape(forum.welcome) +
                   QStringLiteral("</p>\n<table border=\"0\" width=\"100%\">\n");
    for (const Board* board : m_state.boardsOf(forum.id)) {
        const BoardSettings& settings = board->settings();
        if (settings.listing == BoardSettings::Listing::Hidden ||
            settings.listing == BoardSettings::Listing::Deleted)
            continue;
        body += QStringLiteral("<!-- BBS BEGIN -->\n<tr><td><a href=\"") + m_urls.boardTop(settings) +
                QStringLiteral("\">") + HtmlPage::escape(settings.title) + QStringLiteral("</a></td>\n<td>") +
                m_configuration.toolBetsuTsuikaJouhouStart() +
                QStringLiteral("発言数：%1件").arg(board->messages().size());
        if (!board->messages().isEmpty()) {
            body += QStringLiteral("　") + m_configuration.saisyuuHatsugenNichiji() + QStringLiteral("：") +
                    JapanTime::plainDate(board->messages().constLast().date);
        }
        body += m_configuration.toolBetsuTsuikaJouhouEnd() + QStringLiteral("</td></tr>\n<!-- BBS END -->\n");
    }
    body += QStringLiteral("</table>");
    const QString separator = m_configuration.keijibanTitleSeparator();
    return HtmlPage::document(QStringLiteral("@nifty") + separator + QStringLiteral("フォーラム") +
                                  separator + forum.name,
                              Charset::ShiftJIS, QString(), body);
}

QString ForumPagesRenderer::forumHome(const Forum& forum) const
{
    return HtmlPage::document(forum.name, Charset::ShiftJIS, QString(),
                              QStringLiteral("<h1>") + HtmlPage::escape(forum.name) +
                                  QStringLiteral("</h1>\n<p>") + HtmlPage::escape(forum.welcome) +
                                  QStringLiteral("</p>"));
}

QString ForumPagesRenderer::boardLine(const BoardSettings& board)
{
    switch (board.listing) {
    case BoardSettings::Listing::Hidden:
        return {};
    case BoardSettings::Listing::Deleted:
        return QStringLiteral("del:") + board.id + u'\n';
    case BoardSettings::Listing::Skip:
        return QStringLiteral("skip:") + board.kind.prefix() + u':' + board.id + u'#' + board.title + u'\n';
    case BoardSettings::Listing::Normal:
        break;
    }
    return board.kind.prefix() + u':' + board.id + u' ' + board.title + u'\n';
}

QString ForumPagesRenderer::forumLines(const Forum& forum, bool withBoardListUrl) const
{
    QString lines = u'[' + forum.id + QStringLiteral("]\ncaption=") + forum.name + u'\n';
    lines += QStringLiteral("url=") + (forum.hasTopPage ? m_urls.forumTop(forum) : m_urls.forumHome(forum)) +
             u'\n';
    if (!forum.welcome.isEmpty())
        lines += QStringLiteral("welcome=") + forum.welcome + u'\n';
    if (withBoardListUrl && forum.hasBoardListUrl)
        lines += QStringLiteral("BBSINI=") + m_urls.boardList(forum, 0) + u'\n';
    return lines;
}

QString ForumPagesRenderer::forumList() const
{
    QString visible = QStringLiteral("<h1>フォーラム一覧</h1>\n<ul>\n");
    QString block = kBlockStart;
    for (const Forum& forum : m_state.forums()) {
        visible += QStringLiteral("<li><a href=\"") +
                   (forum.hasTopPage ? m_urls.forumTop(forum) : m_urls.forumHome(forum)) +
                   QStringLiteral("\">") + HtmlPage::escape(forum.name) + QStringLiteral("</a></li>\n");
        block += forumLines(forum, true);
    }
    visible += QStringLiteral("</ul>\n");
    return HtmlPage::document(QStringLiteral("@nifty：フォーラム一覧"), Charset::ShiftJIS, QString(),
                              visible + block + kBlockEnd);
}

QString ForumPagesRenderer::boardList(const Forum& forum) const
{
    QString visible =
        QStringLiteral("<h1>") + HtmlPage::escape(forum.name) + QStringLiteral(" 会議室一覧</h1>\n<ul>\n");
    QString block = kBlockStart + QStringLiteral("caption=") + forum.name + u'\n';
    for (const Board* board : m_state.boardsOf(forum.id)) {
        const BoardSettings& settings = board->settings();
        block += boardLine(settings);
        if (settings.listing == BoardSettings::Listing::Normal ||
            settings.listing == BoardSettings::Listing::Skip)
            visible += QStringLiteral("<li>") + HtmlPage::escape(settings.title) + QStringLiteral("</li>\n");
    }
    visible += QStringLiteral("</ul>\n");
    return HtmlPage::document(forum.name + QStringLiteral(" 会議室一覧"), Charset::ShiftJIS, QString(),
                              visible + block + kBlockEnd);
}

QString ForumPagesRenderer::allBoards() const
{
    QString block = kBlockStart;
    for (const Forum& forum : m_state.forums()) {
        block += forumLines(forum, false);
        for (const Board* board : m_state.boardsOf(forum.id))
            block += boardLine(board->settings());
    }
    return HtmlPage::document(QStringLiteral("@nifty：全会議室一覧"), Charset::ShiftJIS, QString(),
                              QStringLiteral("<h1>全会議室一覧</h1>\n") + block + kBlockEnd);
}

} // namespace tavrel::forumsim
