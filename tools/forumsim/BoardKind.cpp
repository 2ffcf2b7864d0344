#include "BoardKind.h"

namespace tavrel::forumsim {

namespace {

struct KindRow
{
    const char16_t* prefix;
    const char16_t* hostRole;
    bool secure;
    const char16_t* scriptFolder;
    bool oldStyle;
};

// The board-list prefixes and the board servers they stand for.
constexpr KindRow kKinds[] = {
    {u"OPEN", u"BoardHostA", false, u"nbbin", false},    {u"SEMIOPEN", u"BoardHostA", true, u"nbbin", false},
    {u"CLOSE", u"BoardHostA", true, u"nbbin_s", false},  {u"SEMIOPENF", u"BoardHostA", true, u"nbbin", false},
    {u"CLOSEF", u"BoardHostA", true, u"nbbin_s", false}, {u"NS", u"BoardHostE", false, u"mes_s", true},
    {u"NS1", u"BoardHostE", false, u"mes_s", true},      {u"NS2", u"BoardHostD", false, u"mes_s", true},
    {u"NO", u"BoardHostE", false, u"mes", true},         {u"NO1", u"BoardHostE", false, u"mes", true},
    {u"NO2", u"BoardHostD", false, u"mes", true},        {u"NF", u"BoardHostE", false, u"mes", true},
    {u"NF1", u"BoardHostE", false, u"mes", true},        {u"NF2", u"BoardHostD", false, u"mes", true},
    {u"OPEN1", u"BoardHostB", false, u"nbbin", false},   {u"SEMIOPEN1", u"BoardHostB", true, u"nbbin", false},
    {u"CLOSE1", u"BoardHostB", true, u"nbbin_s", false}, {u"OPEN2", u"BoardHostC", false, u"nbbin", false},
};

} // namespace

BoardKind::BoardKind(QString prefix, QString hostRole, bool secure, QString scriptFolder, bool oldStyle)
    : m_prefix(std::move(prefix))
    , m_hostRole(std::move(hostRole))
    , m_secure(secure)
    , m_scriptFolder(std::move(scriptFolder))
    , m_oldStyle(oldStyle)
{}

std::optional<BoardKind> BoardKind::fromPrefix(const QString& prefix)
{
    for (const KindRow& row : kKinds) {
        const QString name = QString::fromUtf16(row.prefix);
        if (name.compare(prefix, Qt::CaseInsensitive) == 0)
            return BoardKind(name, QString::fromUtf16(row.hostRole), row.secure,
                             QString::fromUtf16(row.scriptFolder), row.oldStyle);
    }
    return std::nullopt;
}

QStringList BoardKind::prefixes()
{
    QStringList names;
    for (const KindRow& row : kKinds)
        names.append(QString::fromUtf16(row.prefix));
    return names;
}

QString BoardKind::origin(const ServiceConfiguration& configuration) const
{
    return (m_secure ? QStringLiteral("https://") : QStringLiteral("http://")) +
           configuration.value(m_hostRole);
}

QString BoardKind::baseUrl(const ServiceConfiguration& configuration) const
{
    return origin(configuration) + u'/' + m_scriptFolder + u'/' + scriptPrefix() + QStringLiteral("wrent/");
}

} // namespace tavrel::forumsim
