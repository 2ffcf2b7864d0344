#pragma once

// Board pages for the log cutter's tests, in the service's markup.

#include <QString>
#include <QStringList>

namespace tavrel::test {

struct MessageMarkup
{
    QString number;
    QString date = QStringLiteral("2004/05/12(水) 13:45");
    QString title = QStringLiteral("題名");
    QString name = QStringLiteral("名前");
    QString comment = QStringLiteral("0");
    QString text = QStringLiteral("本文です。");
    // The comment link's target; empty for none.
    QString link = QStringLiteral("http://nb1.example.com/nbbin/nb_wrent_cm/BRD01/wr_add=f1/wr_sq=9?m=c");
};

inline QString messageBlock(const MessageMarkup& m)
{
    QString link;
    if (!m.link.isEmpty())
        link = QStringLiteral("<tr><td><a href=\"") + m.link + QStringLiteral("\">コメント</a></td></tr>\n");
    return QStringLiteral("<!-- BEGIN -->\n<table width=\"100%\">\n<tr><td><!-- NO B -->") + m.number +
           QStringLiteral("<!-- NO E --> <!-- PNO=") + m.comment +
           QStringLiteral(" --></td>\n<td><!-- TI B -->") + m.title +
           QStringLiteral("<!-- TI E --></td></tr>\n<tr><td><!-- NN B -->") + m.name +
           QStringLiteral("<!-- NN E --></td>\n<td><!-- DAT B -->") + m.date +
           QStringLiteral("<!-- DAT E --></td></tr>\n<tr><td colspan=\"2\">") + m.text +
           QStringLiteral("<!-- CON E --></td></tr>\n") + link + QStringLiteral("</table>\n<!-- END -->\n");
}

// A Shift_JIS board page; `title` is left out when it is null.
inline QString boardPage(const QString& title, const QList<MessageMarkup>& messages)
{
    QString page = QStringLiteral(
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">");
    if (!title.isNull())
        page += QStringLiteral("<title>") + title + QStringLiteral("</title>");
    page += QStringLiteral("</head>\n<body bgcolor=\"#FFFFEE\">\n");
    for (const MessageMarkup& m : messages)
        page += messageBlock(m);
    return page + QStringLiteral("</body></html>\n");
}

// Messages numbered `first` to `last`, one minute apart from 13:00 on the given day.
inline QList<MessageMarkup> numbered(int first, int last, const QString& day = QStringLiteral("2004/05/12"))
{
    QList<MessageMarkup> messages;
    for (int n = first; n <= last; ++n) {
        MessageMarkup m;
        m.number = QString::number(n);
        m.date = day + QStringLiteral(" 13:") + QString::number(n % 60).rightJustified(2, u'0');
        messages.append(m);
    }
    return messages;
}

} // namespace tavrel::test
