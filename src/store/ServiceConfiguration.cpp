#include "ServiceConfiguration.h"

namespace tavrel {

namespace {

struct Entry
{
    const char16_t* key;
    const char16_t* value;
};

// Hosts live under the reserved documentation domain, which only the simulated service
// answers (through curl's connect-to).
constexpr Entry kHosts[] = {
    {u"BoardHostA", u"nbbs-a.example.com"}, {u"BoardHostB", u"nbbs-b.example.com"},
    {u"BoardHostC", u"nbbs-c.example.com"}, {u"BoardHostD", u"mes-d.example.com"},
    {u"BoardHostE", u"mes-e.example.com"},  {u"BoardHostELegacy", u"mes.example.com"},
    {u"ForumHost", u"forum.example.com"},   {u"PortalHost", u"portal.example.com"},
    {u"MemberHost", u"member.example.com"}, {u"MemberHostLegacy", u"club.example.com"},
    {u"ServiceDomain", u"example.com"},
};

constexpr Entry kTexts[] = {
    {u"Maru", u"○"},
    {u"HatsugenSuru", u"発言する"},
    {u"MessageInboxMidokuIMGTag", u"<img src=\"/forum/img/icon_midoku.gif\""},
    {u"MessageInboxKidokuIMGTag", u"<img src=\"/forum/img/icon_kidoku.gif\""},
    {u"ToolBetsuTsuikaJouhouStart", u"<!-- TOOLINFO B -->"},
    {u"ToolBetsuTsuikaJouhouEnd", u"<!-- TOOLINFO E -->"},
    {u"SaisyuuHatsugenNichiji", u"最終発言日時"},
    {u"ToolMeiToSetsumeiBunStart", u"<!-- SETSUMEI B -->"},
    {u"ToolMeiToSetsumeiBunEnd", u"<!-- SETSUMEI E -->"},
    {u"ActionToThisUser", u"このユーザーへのアクション"},
    {u"KonoUserHenoAction", u"このユーザーへのアクション"},
    {u"KeijibanTitleSeparator", u"："},
};

template<std::size_t N>
QStringList keysOf(const Entry (&entries)[N])
{
    QStringList keys;
    for (const Entry& entry : entries)
        keys.append(QString::fromUtf16(entry.key));
    return keys;
}

} // namespace

ServiceConfiguration::ServiceConfiguration()
{
    for (const Entry& entry : kHosts)
        m_values.insert(QString::fromUtf16(entry.key), QString::fromUtf16(entry.value));
    for (const Entry& entry : kTexts)
        m_values.insert(QString::fromUtf16(entry.key), QString::fromUtf16(entry.value));
}

ServiceConfiguration ServiceConfiguration::withOverrides(const QVariantMap& overrides)
{
    ServiceConfiguration configuration;
    for (auto it = overrides.constBegin(); it != overrides.constEnd(); ++it) {
        const QString& key = it.key();
        const bool isText = it.value().metaType().id() == QMetaType::QString;
        const QString value = isText ? it.value().toString() : QString();
        bool usable = isKnownKey(key) && !value.isEmpty() && !value.contains(QChar(0));
        if (usable && hostKeys().contains(key))
            usable = isPlainHostName(value);
        if (usable)
            configuration.m_values.insert(key, value);
        else
            configuration.m_rejected.append(key);
    }
    return configuration;
}

const QStringList& ServiceConfiguration::hostKeys()
{
    static const QStringList keys = keysOf(kHosts);
    return keys;
}

const QStringList& ServiceConfiguration::textKeys()
{
    static const QStringList keys = keysOf(kTexts);
    return keys;
}

bool ServiceConfiguration::isKnownKey(const QString& key)
{
    return hostKeys().contains(key) || textKeys().contains(key);
}

bool ServiceConfiguration::isPlainHostName(const QString& host)
{
    if (host.isEmpty() || host.size() > 253 || host.startsWith(u'-') || host.startsWith(u'.'))
        return false;
    for (const QChar c : host) {
        const char16_t u = c.unicode();
        const bool allowed = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
                             (u >= u'0' && u <= u'9') || u == u'-' || u == u'.';
        if (!allowed)
            return false;
    }
    return true;
}

QVariantMap ServiceConfiguration::toVariantMap() const
{
    QVariantMap map;
    for (auto it = m_values.constBegin(); it != m_values.constEnd(); ++it)
        map.insert(it.key(), it.value());
    return map;
}

} // namespace tavrel
