#include "HtmlPage.h"

namespace tavrel::forumsim {

QString HtmlPage::charsetName(Charset charset)
{
    return charset == Charset::ISO2022JP ? QStringLiteral("iso-2022-jp") : QStringLiteral("Shift_JIS");
}

QString HtmlPage::document(const QString& title, Charset charset, const QString& bodyAttributes,
                           const QString& body)
{
    QString page =
        QStringLiteral("<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=");
    page += charsetName(charset) + QStringLiteral("\">\n<title>") + escape(title) +
            QStringLiteral("</title>\n</head>\n<body");
    if (!bodyAttributes.isEmpty())
        page += u' ' + bodyAttributes;
    page += QStringLiteral(">\n") + body + QStringLiteral("\n</body>\n</html>\n");
    return page;
}

QString HtmlPage::errorPage(const QString& title, const QString& message)
{
    return document(title, Charset::ShiftJIS, QString(),
                    QStringLiteral("<h1>") + escape(title) + QStringLiteral("</h1>\n<p>") + escape(message) +
                        QStringLiteral("</p>"));
}

QString HtmlPage::escape(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            escaped += QStringLiteral("&amp;");
            break;
        case u'<':
            escaped += QStringLiteral("&lt;");
            break;
        case u'>':
            escaped += QStringLiteral("&gt;");
            break;
        case u'"':
            escaped += QStringLiteral("&quot;");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace tavrel::forumsim
