#include "PatrolEntry.h"

#include "text/IntegerValue.h"

namespace tavrel {

namespace {

constexpr QStringView kKnownKeys[] = {u"BbsID",     u"ReadALL",   u"LastXMessage",
                                      u"URLFormat", u"JushinURL", u"HogoPassword"};

} // namespace

PatrolEntry PatrolEntry::fromDictionary(const PlistDict& dict)
{
    PatrolEntry entry;
    entry.bbsID = dict.string(u"BbsID");
    entry.readALL = dict.string(u"ReadALL");
    entry.lastXMessage = dict.string(u"LastXMessage");
    entry.urlFormat = dict.string(u"URLFormat");
    entry.jushinURL = dict.string(u"JushinURL");
    if (dict.contains(u"HogoPassword"))
        entry.hogoPassword = dict.string(u"HogoPassword");
    entry.otherKeys = dict.without(kKnownKeys);
    return entry;
}

PlistDict PatrolEntry::toDictionary() const
{
    PlistDict dict{{QStringLiteral("BbsID"), bbsID},
                   {QStringLiteral("ReadALL"), readALL},
                   {QStringLiteral("LastXMessage"), lastXMessage},
                   {QStringLiteral("URLFormat"), urlFormat},
                   {QStringLiteral("JushinURL"), jushinURL}};
    if (hogoPassword)
        dict.insert(QStringLiteral("HogoPassword"), *hogoPassword);
    for (const auto& [key, value] : otherKeys)
        dict.insert(key, value);
    return dict;
}

int PatrolEntry::lastXMessageCount() const
{
    return integerValue(lastXMessage);
}

bool PatrolEntry::isOldStyleBoard() const
{
    return urlFormat.contains(u"cf_wrent", Qt::CaseInsensitive);
}

bool PatrolEntry::isHttps() const
{
    return urlFormat.first(qMin<qsizetype>(5, urlFormat.size())).toLower() == u"https";
}

QString PatrolEntry::makeUrlFormat(const QString& jushinURL, const QString& bbsID)
{
    return jushinURL + bbsID + QStringLiteral("/wr_page=%d/wr_type=M");
}

} // namespace tavrel
