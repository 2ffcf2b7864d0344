#pragma once

// An outgoing MyDesk message (a private message to one member) as stored in Post, Drafts or
// SentMessages. Unknown keys are kept and written back after the known ones.

#include "store/PlistValue.h"

#include <QString>

namespace tavrel {

struct MyDeskMessage
{
    QString toid;              // "toid": the recipient's member ID
    QString toname;            // "toname": the recipient's name
    QString message;           // "message": the body
    QString savedPostFilePath; // "savedPostFilePath": where in Post it is (to be) queued
    PlistDict otherKeys;

    static MyDeskMessage fromDictionary(const PlistDict& dict);
    // "toid", "toname", "message", "IsMyDeskMessage" (true), "savedPostFilePath", then the
    // other keys.
    PlistDict toDictionary() const;

    // The conversions before saving: in name and body, half-width katakana become full-width
    // and every NO-BREAK SPACE becomes a space.
    void convertForSaving();

    friend bool operator==(const MyDeskMessage&, const MyDeskMessage&) = default;
};

} // namespace tavrel
