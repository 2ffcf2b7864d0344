#include "PageCheck.h"

#include "PageMarkers.h"
#include "ShiftJisX0213Encoder.h"
#include "text/IntegerValue.h"
#include "text/TextEncoding.h"
#include "text/TextScanner.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace tavrel {

namespace {

std::optional<int> lowestNumberOf(QStringView page)
{
    std::optional<int> lowest;
    TextScanner scanner(page);
    while (!scanner.atEnd()) {
        const qsizetype start = scanner.position();
        if (const std::optional<QStringView> number =
                scanner.textBetween(marker::numberBegin, marker::numberEnd)) {
            const int value = integerValue(*number);
            if (!lowest || value < *lowest)
                lowest = value;
        }
        if (scanner.position() <= start)
            break;
    }
    return lowest;
}

QList<qsizetype> relativeLinksOf(QStringView page)
{
    QList<qsizetype> positions;
    TextScanner scanner(page);
    while (!scanner.atEnd()) {
        const qsizetype start = scanner.position();
        if (scanner.scanUpTo(marker::contentsEnd)) {
            const qsizetype contentsEnd = scanner.position();
            if (scanner.scanUpTo(marker::end)) {
                const qsizetype blockEnd = scanner.position();
                scanner.setPosition(contentsEnd);
                if (scanner.scanUpTo(marker::linkOpener) && scanner.scan(marker::linkOpener)) {
                    const qsizetype link = scanner.position();
                    if (link < blockEnd) {
                        if (scanner.scan(u"/"))
                            positions.append(link);
                    } else {
                        // The link belongs to a later block: that block's own comment link
                        // is looked for from this block's end.
                        scanner.setPosition(blockEnd);
                    }
                }
            }
        }
        if (scanner.position() <= start)
            break;
    }
    return positions;
}

bool writeBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = path + QStringLiteral(": ") + file.errorString();
    return false;
}

} // namespace

PageCheckScan PageCheckScan::scan(QStringView page)
{
    return PageCheckScan{lowestNumberOf(page), relativeLinksOf(page)};
}

QString PageCheckScan::absoluteLinks(QStringView page, const QList<qsizetype>& positions,
                                     QStringView boardServer)
{
    QString out;
    out.reserve(page.size() + positions.size() * boardServer.size());
    qsizetype done = 0;
    QList<qsizetype> sorted = positions;
    std::sort(sorted.begin(), sorted.end());
    for (qsizetype at : sorted) {
        at = qBound<qsizetype>(done, at, page.size());
        out += page.sliced(done, at - done);
        out += boardServer;
        done = at;
    }
    out += page.sliced(done);
    return out;
}

std::optional<QString> PageCheck::boardServer(QStringView urlFormat, QStringView serviceDomain)
{
    const qsizetype at = serviceDomain.isEmpty() ? -1 : urlFormat.indexOf(serviceDomain);
    if (at < 0)
        return std::nullopt;
    return urlFormat.first(at + serviceDomain.size()).toString();
}

PageCheck::Result PageCheck::check(const QString& pagePath, QStringView urlFormat, int& lowestNumber,
                                   int firstWanted, QStringView serviceDomain, QString* error)
{
    QFile file(pagePath);
    if (!file.open(QIODevice::ReadOnly))
        return Result::Finished;
    const QByteArray bytes = file.readAll();
    file.close();

    // The page is written back in the form it was read in, so that nothing of it is lost.
    bool isX0213 = false;
    std::optional<QString> text = encoding::decodeCp932(bytes);
    if (!text) {
        text = encoding::decodeShiftJisX0213(bytes);
        isX0213 = true;
    }
    if (!text)
        return Result::Finished;

    const PageCheckScan scan = PageCheckScan::scan(*text);
    // -1 stands for no number yet.
    const bool lowered = scan.lowestNumber && (lowestNumber == -1 || *scan.lowestNumber < lowestNumber);
    if (lowered)
        lowestNumber = *scan.lowestNumber;

    if (!scan.relativeLinks.isEmpty()) {
        if (const std::optional<QString> server = boardServer(urlFormat, serviceDomain)) {
            const QString rewritten = PageCheckScan::absoluteLinks(*text, scan.relativeLinks, *server);
            std::optional<QByteArray> encoded;
            if (isX0213)
                encoded = encoding::encodeShiftJisX0213(rewritten);
            if (!encoded)
                encoded = encoding::encodeCp932Lossy(rewritten);
            (void)writeBytes(pagePath, *encoded, error);
        } else if (error) {
            *error = pagePath + QStringLiteral(": the page URL does not name the service's domain");
        }
    }

    if (!lowered || firstWanted >= lowestNumber)
        return Result::Finished;
    return Result::Continue;
}

} // namespace tavrel
