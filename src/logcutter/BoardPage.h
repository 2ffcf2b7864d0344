#pragma once

// Page-level reading of a board page: its title, the body tag's colours, and its message
// blocks (the texts between "<!-- BEGIN -->" and "<!-- END -->").

#include "store/BoardLogHeader.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>
#include <utility>

namespace tavrel {

class BoardPage
{
public:
    using Colour = std::pair<BoardLogHeader::Key, QString>;

    // The text of the title element, as it stands (not decoded); nothing without one.
    static std::optional<QStringView> title(QStringView page);
    // The title entity-decoded; empty without a title.
    static QString decodedTitle(QStringView page);

    // The colours of the body tag ("BodyTagBGColor" ...), each only when found: the text
    // after `attribute="#` up to the next double quote.
    static QList<Colour> bodyTagColours(QStringView page);

    // Every message block, in page order. A block's text starts at its first character that
    // is not white space; a block whose end marker is missing runs to the end of the page.
    static QList<QStringView> messageBlocks(QStringView page);
    // The last block that has its end marker; nothing when there is none.
    static std::optional<QStringView> lastCompleteBlock(QStringView page);
};

} // namespace tavrel
