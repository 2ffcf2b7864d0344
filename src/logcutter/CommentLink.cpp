#include "CommentLink.h"

#include "PageMarkers.h"
#include "text/TextScanner.h"

namespace tavrel {

std::optional<CommentLink> CommentLink::read(TextScanner& scanner, QStringView serviceDomain)
{
    // The link has the form  <scheme and host part A>.<domain>/<B><C>wrent_<...>/<K>/
    // [wr_add=.../]...wr_sq=<S>?...
    const QString domainText = u'.' + serviceDomain.toString() + u'/';

    if (!scanner.scanUpTo(marker::contentsEnd) || !scanner.scanUpTo(marker::linkOpener) ||
        !scanner.scan(marker::linkOpener))
        return std::nullopt;

    const std::optional<QStringView> a = scanner.scanUpTo(domainText);
    if (!a || !scanner.scan(domainText))
        return std::nullopt;
    const std::optional<QStringView> b = scanner.scanUpTo(u"/");
    if (!b)
        return std::nullopt;
    const std::optional<QStringView> c = scanner.scanUpTo(u"wrent_");
    if (!c)
        return std::nullopt;

    if (!scanner.scanUpTo(u"/") || !scanner.scan(u"/"))
        return std::nullopt;
    const std::optional<QStringView> boardKey = scanner.scanUpTo(u"/");
    if (!boardKey)
        return std::nullopt;

    // The "wr_add=" part is optional: without it (or without a "/" after it) the reading
    // goes on from where it was.
    const qsizetype beforeAdd = scanner.position();
    if (!scanner.scanUpTo(u"wr_add="))
        return std::nullopt;
    std::optional<QStringView> add = scanner.scanUpTo(u"/");
    if (!add)
        scanner.setPosition(beforeAdd);

    QString postURL = a->toString() + domainText + *b + *c + u"wrent_do?bid=" + *boardKey + u'&';
    if (add)
        postURL += *add + u'&';
    postURL += u"wr_type=M";

    if (!scanner.scanUpTo(u"wr_sq=") || !scanner.scan(u"wr_sq="))
        return std::nullopt;
    const std::optional<QStringView> sequence = scanner.scanUpTo(u"?");
    if (!sequence)
        return std::nullopt;

    CommentLink link;
    link.commentURL = postURL + u"&wr_psq=" + *sequence;
    link.postURL = std::move(postURL);
    return link;
}

} // namespace tavrel
