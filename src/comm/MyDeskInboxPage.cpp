#include "MyDeskInboxPage.h"

#include "store/SafeName.h"
#include "text/TextEncoding.h"

#include <QFile>

namespace tavrel {

MyDeskInboxPage::Result MyDeskInboxPage::read(QStringView page, const QString& unreadMarker,
                                              const QString& readMarker, const QString& memberHost)
{
    Result result;
    result.hasReadMessage = !readMarker.isEmpty() && page.contains(readMarker, Qt::CaseInsensitive);
    if (unreadMarker.isEmpty())
        return result;
    const QString base = u"http://" + memberHost + u"/forum/message/";
    const QStringView opener = u"<a href=\"";
    qsizetype at = 0;
    while ((at = page.indexOf(unreadMarker, at, Qt::CaseInsensitive)) >= 0) {
        at += unreadMarker.size();
        const qsizetype linkAt = page.indexOf(opener, at, Qt::CaseInsensitive);
        if (linkAt < 0)
            break;
        const qsizetype start = linkAt + opener.size();
        const qsizetype end = page.indexOf(u'"', start);
        if (end < 0)
            break;
        const QString url = base + page.sliced(start, end - start);
        if (end > start && isAcceptableUrl(url) && !url.contains(u' '))
            result.unreadURLs.append(url);
        at = end + 1;
    }
    return result;
}

MyDeskInboxPage::Result MyDeskInboxPage::readFile(const QString& path, const QString& unreadMarker,
                                                  const QString& readMarker, const QString& memberHost)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    // Markers and links are ASCII: a page that is not valid Shift_JIS is still read byte by
    // byte rather than ignored.
    const QString text = encoding::decodeShiftJis(bytes).value_or(QString::fromLatin1(bytes));
    return read(text, unreadMarker, readMarker, memberHost);
}

} // namespace tavrel
