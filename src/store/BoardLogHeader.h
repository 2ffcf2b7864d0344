#pragma once

// The header of a board log file: the texts under the known keys ("ForumName",
// "KaigishitsuName", "MidokuSu", ...) plus any other keys the file held.

#include "store/KeyedFields.h"

#include <QLatin1StringView>
#include <QString>

namespace tavrel {

struct BoardLogHeaderKeys
{
    enum Key
    {
        ForumName,
        KaigishitsuName,
        BoardName,
        ForumID,
        PostURL,
        MidokuSu,
        NumberOfLastMes,
        DateOfLastMes,
        Delete,
        DeleteDay,
        BodyTagBGColor,
        BodyTagTextColor,
        BodyTagLinkColor,
        BodyTagVLinkColor,
        BodyTagALinkColor,
        Count
    };
    static constexpr QLatin1StringView names[Count] = {
        QLatin1StringView("ForumName"),
        QLatin1StringView("KaigishitsuName"),
        QLatin1StringView("BoardName"),
        QLatin1StringView("ForumID"),
        QLatin1StringView("PostURL"),
        QLatin1StringView("MidokuSu"),
        QLatin1StringView("NumberOfLastMes"),
        QLatin1StringView("DateOfLastMes"),
        QLatin1StringView("Delete"),
        QLatin1StringView("DeleteDay"),
        QLatin1StringView("BodyTagBGColor"),
        QLatin1StringView("BodyTagTextColor"),
        QLatin1StringView("BodyTagLinkColor"),
        QLatin1StringView("BodyTagVLinkColor"),
        QLatin1StringView("BodyTagALinkColor"),
    };
};

class BoardLogHeader
    : public BoardLogHeaderKeys
    , public KeyedFields<BoardLogHeaderKeys>
{
public:
    using Key = BoardLogHeaderKeys::Key;

    // The header of a new file: the eight keys with a starting value ("MidokuSu" and
    // "NumberOfLastMes" "0", the others empty).
    static BoardLogHeader newFileHeader();

    const QString& forumName() const { return value(ForumName); }
    const QString& kaigishitsuName() const { return value(KaigishitsuName); }
    const QString& boardName() const { return value(BoardName); }
    const QString& forumID() const { return value(ForumID); }
    const QString& postURL() const { return value(PostURL); }
    const QString& midokuSu() const { return value(MidokuSu); }
    const QString& numberOfLastMes() const { return value(NumberOfLastMes); }
    const QString& dateOfLastMes() const { return value(DateOfLastMes); }
    const QString& deleteFlag() const { return value(Delete); }
    const QString& deleteDay() const { return value(DeleteDay); }

    void setForumName(QString text) { setValue(ForumName, std::move(text)); }
    void setKaigishitsuName(QString text) { setValue(KaigishitsuName, std::move(text)); }
    void setBoardName(QString text) { setValue(BoardName, std::move(text)); }
    void setForumID(QString text) { setValue(ForumID, std::move(text)); }
    void setPostURL(QString text) { setValue(PostURL, std::move(text)); }
    void setMidokuSu(QString text) { setValue(MidokuSu, std::move(text)); }
    void setNumberOfLastMes(QString text) { setValue(NumberOfLastMes, std::move(text)); }
    void setDateOfLastMes(QString text) { setValue(DateOfLastMes, std::move(text)); }
    void setDeleteFlag(QString text) { setValue(Delete, std::move(text)); }
    void setDeleteDay(QString text) { setValue(DeleteDay, std::move(text)); }

    // Fills "ForumName" and "BoardName" from "KaigishitsuName" where they are absent or empty
    // (see BoardNames.h).
    void deriveNames();
};

} // namespace tavrel
