#pragma once

// One forum whose top page a patrol fetches ("ForumTopDownloadArray" of a communication
// settings file). Keys this program does not know are kept and written back.

#include "store/PlistValue.h"

#include <QString>

#include <optional>

namespace tavrel {

struct ForumTopEntry
{
    QString forumID;             // "ForumID": also the saved top page's file name
    QString forumName;           // "ForumName"
    QString forumTopURL;         // "ForumTopURL"
    bool isDownloadCheck = true; // "IsDownloadCheck"
    // "ForumListForumCM_FreeboardURL": present on entries taken from the forum list.
    std::optional<QString> freeboardURL;
    PlistDict otherKeys;

    static ForumTopEntry fromDictionary(const PlistDict& dict);
    PlistDict toDictionary() const;

    friend bool operator==(const ForumTopEntry&, const ForumTopEntry&) = default;
};

} // namespace tavrel
