#pragma once

// The check receive runs on every board page it has just downloaded, before it asks for the
// next (older) page of the board: it lowers the lowest message number seen so far, turns the
// relative comment links of the page into absolute ones (rewriting the page file), and says
// whether older pages are still wanted.

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace tavrel {

// What the text of a page holds for the check.
struct PageCheckScan
{
    // The lowest integer value among the page's message numbers; nothing when it has none.
    std::optional<int> lowestNumber;
    // Positions right after the opener of each relative comment link (one that begins with
    // "/"), in page order.
    QList<qsizetype> relativeLinks;

    static PageCheckScan scan(QStringView page);
    // The page with `boardServer` inserted at every relative link position.
    static QString absoluteLinks(QStringView page, const QList<qsizetype>& positions,
                                 QStringView boardServer);
};

class PageCheck
{
public:
    enum class Result
    {
        Finished, // no older page of this board is needed
        Continue, // fetch the next page
    };

    // `urlFormat` is the patrol entry's page URL format, which names the board server;
    // `lowestNumber` is the lowest number so far (-1 before the first page) and is updated;
    // `firstWanted` is the first number the run wants (the stored last number + 1).
    // A page that needs it is written back, in the encoding it was read in; when that write
    // fails, `error` (if given) says why and the result is still given.
    static Result check(const QString& pagePath, QStringView urlFormat, int& lowestNumber, int firstWanted,
                        QStringView serviceDomain, QString* error = nullptr);

    // The scheme and host of the board server: the URL format up to and including the
    // service's domain; nothing when the format does not name the domain.
    static std::optional<QString> boardServer(QStringView urlFormat, QStringView serviceDomain);
};

} // namespace tavrel
