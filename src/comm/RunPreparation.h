#pragma once

// The parts of preparing a run that need no panel: the run data from a settings file, with
// the boards and forums whose names or URLs are unsafe left out, and the post list.

#include "comm/RunData.h"
#include "store/CommunicationSettings.h"

#include <QString>
#include <QStringList>

namespace tavrel {

class RunPreparation
{
public:
    // The run data of `settings` with the given proxies. A patrol entry whose "BbsID" is not a
    // safe file name or whose "URLFormat" is not an http or https URL is left out, as is a
    // forum top entry with such a "ForumID" or "ForumTopURL"; each one left out is described
    // in `skipped`.
    static RunData runData(const CommunicationSettings& settings, const ProxyArguments& proxies,
                           QStringList& skipped);

    // Full paths of the names in the Post folder that begin with neither "." nor "_" and whose
    // first seven characters are not "message" in any letter case, in ascending order of
    // plain character comparison.
    static QStringList postList(const QString& postFolder);
};

} // namespace tavrel
