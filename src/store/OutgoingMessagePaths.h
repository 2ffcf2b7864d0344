#pragma once

// Where an editor saves an outgoing message (the target) and the file it was opened from (the
// source), and the saving rules that follow from them: a save writes the target and then
// removes the source; a save as draft writes the chosen file with "savedPostFilePath" set to
// the target and then removes the target. Nothing is removed when writing fails, nor when the
// file to remove is the very file just written under another path.

#include "store/PlistValue.h"

#include <QString>

namespace tavrel {

struct OutgoingMessagePaths
{
    QString target;
    QString source; // empty for a new message

    // A new message: target Post/<name>, no source.
    static OutgoingMessagePaths forNew(const QString& postFolder, const QString& name);
    // A file opened from disk: the target is its "savedPostFilePath" when present and not
    // empty, otherwise the file itself; the source is the file.
    static OutgoingMessagePaths forOpened(const QString& pickedPath, const PlistDict& dict);

    // Saves `dict` to the target; when written and there is a source that is another file,
    // removes the source. False when writing failed.
    bool save(const PlistDict& dict) const;
    // Saves `dict` with "savedPostFilePath" = target to `chosenPath`; when written and the
    // target is another file, removes the target. False when writing failed.
    bool saveAsDraft(const QString& chosenPath, PlistDict dict) const;
};

// True when both paths name the same file (the same path once cleaned, or the same file on
// disk through links).
bool isSameFile(const QString& a, const QString& b);

} // namespace tavrel
