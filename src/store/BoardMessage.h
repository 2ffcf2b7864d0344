#pragma once

// An outgoing board message (a new message or a comment) as stored in Post, Drafts or
// SentMessages. Keys this program does not write itself ("tstamp", "wr_location", any
// other) are kept and written back after the known ones.

#include "store/PlistValue.h"

#include <QString>

#include <optional>

namespace tavrel {

struct BoardMessage
{
    QString spname;     // "wr_spname": sender's handle
    QString email;      // "wr_email"
    QString title;      // "wr_title"
    QString lurl;       // "wr_lurl": link address
    QString postURL;    // "PostURL"
    QString con1;       // "wr_con1": body
    QString delkw;      // "wr_delkw": deletion password
    bool useTag = true; // "UseTag": "NO" stores name, title and body with entities
    QString sppasswd;   // "wr_sppasswd": the board's protection password
    // "savedPostFilePath": in drafts, the queued file the draft stands for.
    std::optional<QString> savedPostFilePath;
    PlistDict otherKeys;

    // "UseTag" counts as on unless it is "NO".
    static BoardMessage fromDictionary(const PlistDict& dict);
    // The nine keys in their order, "savedPostFilePath" when set, then the other keys.
    PlistDict toDictionary() const;

    // The conversions before saving: in name, title and body, half-width katakana become
    // full-width; then, with "UseTag" off, &, ", < and > become entities (every other
    // character, white space included, is kept); finally every NO-BREAK SPACE becomes a
    // space. The other fields stay as typed.
    void convertForSaving();

    friend bool operator==(const BoardMessage&, const BoardMessage&) = default;
};

} // namespace tavrel
