#include "BoardPosting.h"

#include "Board.h"
#include "HtmlPage.h"
#include "JapanTime.h"
#include "PageReply.h"
#include "ServiceUrls.h"

#include <QJsonObject>

namespace tavrel::forumsim {

namespace {

QString field(const FormFields& form, const char16_t* name)
{
    return form.value(QString::fromUtf16(name));
}

// The posted text as markup: line ends become line breaks.
QString bodyMarkup(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text.split(u'\n').join(QStringLiteral("<br>\n"));
}

} // namespace

BoardPosting::BoardPosting(SimContext& context)
    : m_context(context)
{}

QString BoardPosting::problem(const Board& board, const FormFields& query, const FormFields& form) const
{
    const BoardSettings& settings = board.settings();
    const ServiceConfiguration& configuration = m_context.configuration;
    if (query.value(QStringLiteral("wr_type")) != u"M" ||
        query.value(QStringLiteral("wr_add")) != settings.wrAdd)
        return QStringLiteral("投稿先のURLが正しくありません。");
    if (field(form, u"ktype") != configuration.maru())
        return QStringLiteral("ktypeが正しくありません。");
    if (field(form, u"wr_spname").trimmed().isEmpty() || field(form, u"wr_con1").trimmed().isEmpty())
        return QStringLiteral("お名前と本文を入力してください。");
    if (!settings.password.isEmpty() && field(form, u"wr_sppasswd") != settings.password)
        return QStringLiteral("会議室のパスワードが違います。");
    const QString commentOn = query.value(QStringLiteral("wr_psq"));
    if (query.contains(QStringLiteral("wr_psq")) && !board.message(commentOn.toInt()))
        return QStringLiteral("コメント先の発言が見つかりません。");
    if (settings.kind.isOldStyle()) {
        if (!configuration.hatsugenSuru().isEmpty() && field(form, u"exec") != configuration.hatsugenSuru())
            return QStringLiteral("発言ボタンが押されていません。");
        const QString location =
            u'/' + settings.kind.scriptFolder() + QStringLiteral("/cf_wrent/") + settings.id;
        if (form.contains(QStringLiteral("wr_location")) && field(form, u"wr_location") != location)
            return QStringLiteral("wr_locationが正しくありません。");
    }
    return {};
}

void BoardPosting::post(Exchange& exchange, Board& board, const QString& memberId)
{
    const auto query = exchange.queryFields();
    const auto form = exchange.bodyFields();
    if (!exchange.isPost() || !query || !form) {
        answer(exchange, 400, QStringLiteral("400 Bad Request"),
               QStringLiteral("フォームの内容を読み取れません。"));
        return;
    }
    exchange.setLoggedFields(form->toVariantMap());
    const QString refused = problem(board, *query, *form);
    if (!refused.isEmpty()) {
        answer(exchange, 400, QStringLiteral("発言できませんでした"), refused);
        return;
    }
    const BoardSettings& settings = board.settings();
    const Behaviour behaviour = m_context.behaviours.take(QStringLiteral("post:") + settings.id);
    if (behaviour.mode == Behaviour::Mode::Fail || behaviour.mode == Behaviour::Mode::NotFound) {
        PageReply::page(exchange, behaviour, m_context.stopping, 200, QString());
        return;
    }

    BoardMessage message;
    message.comment = query->value(QStringLiteral("wr_psq")).toInt();
    message.title =
        field(*form, u"wr_title").isEmpty() ? QStringLiteral("(無題)") : field(*form, u"wr_title");
    message.name = field(*form, u"wr_spname");
    message.memberId = memberId;
    message.email = field(*form, u"wr_email");
    message.body = bodyMarkup(field(*form, u"wr_con1"));
    message.link = settings.kind.isOldStyle() ? QString() : field(*form, u"wr_lurl");
    message.deleteKeyword = field(*form, u"wr_delkw");
    message.date = JapanTime::now();
    const int number = board.append(message);

    QJsonObject record = QJsonObject::fromVariantMap(form->toVariantMap());
    record.insert(QStringLiteral("kind"), QStringLiteral("board"));
    record.insert(QStringLiteral("board"), settings.id);
    record.insert(QStringLiteral("number"), number);
    record.insert(QStringLiteral("comment"), message.comment);
    record.insert(QStringLiteral("member"), memberId);
    record.insert(QStringLiteral("url"), exchange.url());
    m_context.state.recordPost(record);

    const QString html = HtmlPage::document(
        QStringLiteral("発言しました"), settings.charset, QString(),
        QStringLiteral("<p>発言を受け付けました。発言番号：%1</p>\n<p><a href=\"%2\">会議室に戻る</a></p>")
            .arg(QString::number(number), ServiceUrls(m_context.configuration).boardPage(settings, 1)));
    PageReply::page(exchange, behaviour, m_context.stopping, 200, html, settings.charset);
}

void BoardPosting::answer(Exchange& exchange, int status, const QString& title, const QString& message)
{
    PageReply::page(exchange, Behaviour(), m_context.stopping, status, HtmlPage::errorPage(title, message));
}

} // namespace tavrel::forumsim
