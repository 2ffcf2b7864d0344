#include "CommunicationSettings.h"

#include "PlistFlag.h"

#include <QDir>

namespace tavrel {

namespace {

constexpr QStringView kKnownKeys[] = {u"BeforeProcedure",       u"AfterProcedure", u"JunkaiArray",
                                      u"ForumTopDownloadArray", u"IsUseProxy",     u"HttpProxy",
                                      u"HttpProxyPort",         u"HttpsProxy",     u"HttpsProxyPort",
                                      u"IsMyDeskMessageAccess"};

template<typename Entry>
QList<Entry> entries(const PlistValue& value)
{
    QList<Entry> list;
    for (const PlistValue& item : value.toArray()) {
        if (item.isDict())
            list.append(Entry::fromDictionary(item.toDict()));
    }
    return list;
}

template<typename Entry>
PlistArray dictionaries(const QList<Entry>& list)
{
    PlistArray array;
    array.reserve(list.size());
    for (const Entry& entry : list)
        array.append(entry.toDictionary());
    return array;
}

} // namespace

CommunicationSettings CommunicationSettings::fromDictionary(const PlistDict& dict)
{
    CommunicationSettings settings;
    settings.beforeProcedure = dict.string(u"BeforeProcedure");
    settings.afterProcedure = dict.string(u"AfterProcedure");
    settings.junkaiArray = entries<PatrolEntry>(dict.value(u"JunkaiArray"));
    settings.forumTopDownloadArray = entries<ForumTopEntry>(dict.value(u"ForumTopDownloadArray"));
    settings.isUseProxy = plistFlag(dict.value(u"IsUseProxy"));
    settings.proxies = {dict.string(u"HttpProxy"), dict.string(u"HttpProxyPort"), dict.string(u"HttpsProxy"),
                        dict.string(u"HttpsProxyPort")};
    settings.isMyDeskMessageAccess = plistFlag(dict.value(u"IsMyDeskMessageAccess"));
    settings.otherKeys = dict.without(kKnownKeys);
    return settings;
}

PlistDict CommunicationSettings::toDictionary() const
{
    PlistDict dict{{QStringLiteral("BeforeProcedure"), beforeProcedure},
                   {QStringLiteral("AfterProcedure"), afterProcedure},
                   {QStringLiteral("JunkaiArray"), dictionaries(junkaiArray)},
                   {QStringLiteral("ForumTopDownloadArray"), dictionaries(forumTopDownloadArray)},
                   {QStringLiteral("IsUseProxy"), isUseProxy},
                   {QStringLiteral("HttpProxy"), proxies.httpProxy},
                   {QStringLiteral("HttpProxyPort"), proxies.httpProxyPort},
                   {QStringLiteral("HttpsProxy"), proxies.httpsProxy},
                   {QStringLiteral("HttpsProxyPort"), proxies.httpsProxyPort},
                   {QStringLiteral("IsMyDeskMessageAccess"), isMyDeskMessageAccess}};
    for (const auto& [key, value] : otherKeys)
        dict.insert(key, value);
    return dict;
}

QString CommunicationSettings::standardizedPath(const QString& path)
{
    if (path.isEmpty())
        return path;
    QString expanded = path;
    if (expanded == u"~" || expanded.startsWith(u"~/"))
        expanded = QDir::homePath() + expanded.mid(1);
    return QDir::cleanPath(expanded);
}

} // namespace tavrel
