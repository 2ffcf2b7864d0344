#pragma once

// One board of a communication settings file's patrol list ("JunkaiArray"). Every value is a
// text; keys this program does not know are kept and written back.

#include "store/PlistValue.h"

#include <QString>

#include <optional>

namespace tavrel {

struct PatrolEntry
{
    QString bbsID;        // "BbsID": board ID, also the board log file's name
    QString readALL;      // "ReadALL": "YES" receives every new message
    QString lastXMessage; // "LastXMessage": how many recent messages otherwise
    QString urlFormat;    // "URLFormat": page URL with one integer placeholder
    QString jushinURL;    // "JushinURL": board server base URL, ending in "/"
    // "HogoPassword": the protection password; nothing when the key is absent.
    std::optional<QString> hogoPassword;
    PlistDict otherKeys;

    static PatrolEntry fromDictionary(const PlistDict& dict);
    PlistDict toDictionary() const;

    // "ReadALL" is exactly "YES"; any other value counts as "NO".
    bool isReadAll() const { return readALL == u"YES"; }
    // The integer value of "LastXMessage".
    int lastXMessageCount() const;
    // "URLFormat" contains "cf_wrent" in any letter case.
    bool isOldStyleBoard() const;
    // The first five characters of "URLFormat", lower-cased, are "https".
    bool isHttps() const;
    // The protection password, empty when there is none.
    QString hogoPasswordOrEmpty() const { return hogoPassword.value_or(QString()); }

    // The "URLFormat" made from a base URL and a board ID: base + ID + "/wr_page=%d/wr_type=M".
    static QString makeUrlFormat(const QString& jushinURL, const QString& bbsID);

    friend bool operator==(const PatrolEntry&, const PatrolEntry&) = default;
};

} // namespace tavrel
