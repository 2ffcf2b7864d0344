#include "ForumTopEntry.h"

#include "PlistFlag.h"

namespace tavrel {

namespace {

constexpr QStringView kKnownKeys[] = {u"ForumID", u"ForumName", u"ForumTopURL", u"IsDownloadCheck",
                                      u"ForumListForumCM_FreeboardURL"};

} // namespace

ForumTopEntry ForumTopEntry::fromDictionary(const PlistDict& dict)
{
    ForumTopEntry entry;
    entry.forumID = dict.string(u"ForumID");
    entry.forumName = dict.string(u"ForumName");
    entry.forumTopURL = dict.string(u"ForumTopURL");
    entry.isDownloadCheck = plistFlag(dict.value(u"IsDownloadCheck"));
    if (dict.contains(u"ForumListForumCM_FreeboardURL"))
        entry.freeboardURL = dict.string(u"ForumListForumCM_FreeboardURL");
    entry.otherKeys = dict.without(kKnownKeys);
    return entry;
}

PlistDict ForumTopEntry::toDictionary() const
{
    PlistDict dict{{QStringLiteral("ForumID"), forumID},
                   {QStringLiteral("ForumName"), forumName},
                   {QStringLiteral("ForumTopURL"), forumTopURL},
                   {QStringLiteral("IsDownloadCheck"), isDownloadCheck}};
    if (freeboardURL)
        dict.insert(QStringLiteral("ForumListForumCM_FreeboardURL"), *freeboardURL);
    for (const auto& [key, value] : otherKeys)
        dict.insert(key, value);
    return dict;
}

} // namespace tavrel
