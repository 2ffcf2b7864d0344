#include "BoardPage.h"

#include "PageMarkers.h"
#include "text/EntityCoding.h"
#include "text/TextScanner.h"

namespace tavrel {

namespace {

struct BlockFound
{
    QStringView text;
    bool complete = false;
};

// Walks the blocks of a page. Passing up to "<!-- BEGIN -->" is allowed to collect nothing
// (the marker may stand right at the position, as after the previous block's end marker and
// white space); every pass must move the scanner, so the walk always ends.
template<typename Visit>
void forEachBlock(QStringView page, Visit visit)
{
    TextScanner scanner(page);
    while (!scanner.atEnd()) {
        const qsizetype start = scanner.position();
        (void)scanner.scanUpTo(marker::begin);
        if (scanner.scan(marker::begin)) {
            if (const std::optional<QStringView> block = scanner.scanUpTo(marker::end))
                visit(BlockFound{*block, scanner.scan(marker::end)});
        }
        if (scanner.position() <= start)
            break;
    }
}

struct ColourAttribute
{
    QStringView prefix;
    BoardLogHeader::Key key;
};

constexpr ColourAttribute colourAttributes[] = {
    {u"bgcolor=\"#", BoardLogHeader::BodyTagBGColor},  {u"text=\"#", BoardLogHeader::BodyTagTextColor},
    {u"link=\"#", BoardLogHeader::BodyTagLinkColor},   {u"vlink=\"#", BoardLogHeader::BodyTagVLinkColor},
    {u"alink=\"#", BoardLogHeader::BodyTagALinkColor},
};

} // namespace

std::optional<QStringView> BoardPage::title(QStringView page)
{
    TextScanner scanner(page);
    return scanner.textBetween(u"<title>", u"</title>");
}

QString BoardPage::decodedTitle(QStringView page)
{
    const std::optional<QStringView> text = title(page);
    return text ? decodePageEntities(*text) : QString();
}

QList<BoardPage::Colour> BoardPage::bodyTagColours(QStringView page)
{
    TextScanner scanner(page);
    if (!scanner.scanUpTo(u"<body"))
        return {};
    const qsizetype tagStart = scanner.position();
    if (!scanner.scan(u"<body"))
        return {};
    scanner.setPosition(tagStart);
    const std::optional<QStringView> tag = scanner.scanUpTo(u">");
    if (!tag || !scanner.scan(u">"))
        return {};

    // Each search starts at the beginning of the tag: "link" may well find the one inside
    // "vlink" or "alink".
    QList<Colour> colours;
    TextScanner tagScanner(*tag);
    for (const ColourAttribute& attribute : colourAttributes) {
        tagScanner.setPosition(0);
        if (!tagScanner.scanUpTo(attribute.prefix) || !tagScanner.scan(attribute.prefix))
            continue;
        if (const std::optional<QStringView> value = tagScanner.scanUpTo(u"\""))
            colours.append({attribute.key, value->toString()});
    }
    return colours;
}

QList<QStringView> BoardPage::messageBlocks(QStringView page)
{
    QList<QStringView> blocks;
    forEachBlock(page, [&](const BlockFound& found) { blocks.append(found.text); });
    return blocks;
}

std::optional<QStringView> BoardPage::lastCompleteBlock(QStringView page)
{
    std::optional<QStringView> last;
    forEachBlock(page, [&](const BlockFound& found) {
        if (found.complete)
            last = found.text;
    });
    return last;
}

} // namespace tavrel
