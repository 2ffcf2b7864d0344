#include "store/BoardLogHeader.h"

#include "store/BoardNames.h"

namespace tavrel {

BoardLogHeader BoardLogHeader::newFileHeader()
{
    BoardLogHeader header;
    for (Key key : {ForumName, KaigishitsuName, ForumID, PostURL, Delete, DeleteDay})
        header.setValue(key, QString());
    header.setMidokuSu(QStringLiteral("0"));
    header.setNumberOfLastMes(QStringLiteral("0"));
    return header;
}

void BoardLogHeader::deriveNames()
{
    const QString title = kaigishitsuName();
    if (forumName().isEmpty()) {
        if (std::optional<QString> forum = forumNameFromTitle(title))
            setForumName(std::move(*forum));
    }
    if (boardName().isEmpty())
        setBoardName(boardNameFromTitle(title));
}

} // namespace tavrel
