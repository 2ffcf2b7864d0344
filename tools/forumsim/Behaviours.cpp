#include "Behaviours.h"

namespace tavrel::forumsim {

namespace {

struct ModeName
{
    Behaviour::Mode mode;
    const char16_t* name;
};

constexpr ModeName kModes[] = {
    {Behaviour::Mode::Normal, u"normal"},     {Behaviour::Mode::Slow, u"slow"},
    {Behaviour::Mode::Fail, u"fail"},         {Behaviour::Mode::Abort, u"abort"},
    {Behaviour::Mode::NotFound, u"notfound"},
};

} // namespace

std::optional<Behaviour::Mode> Behaviour::modeFromName(const QString& name)
{
    for (const ModeName& entry : kModes) {
        if (name == QStringView(entry.name))
            return entry.mode;
    }
    return std::nullopt;
}

QString Behaviour::nameOf(Mode mode)
{
    for (const ModeName& entry : kModes) {
        if (entry.mode == mode)
            return QString::fromUtf16(entry.name);
    }
    return {};
}

void Behaviours::set(const QString& target, const Behaviour& behaviour)
{
    std::lock_guard guard(m_mutex);
    if (behaviour.mode == Behaviour::Mode::Normal)
        m_table.remove(target);
    else
        m_table.insert(target, behaviour);
}

void Behaviours::clearAll()
{
    std::lock_guard guard(m_mutex);
    m_table.clear();
}

Behaviour Behaviours::take(const QString& target)
{
    std::lock_guard guard(m_mutex);
    for (const QString& key : {target, QStringLiteral("*")}) {
        auto it = m_table.find(key);
        if (it == m_table.end())
            continue;
        const Behaviour behaviour = it.value();
        if (it->times > 0 && --it->times == 0)
            m_table.erase(it);
        return behaviour;
    }
    return {};
}

QJsonObject Behaviours::toJson() const
{
    std::lock_guard guard(m_mutex);
    QJsonObject table;
    for (auto it = m_table.constBegin(); it != m_table.constEnd(); ++it) {
        table.insert(it.key(), QJsonObject{{QStringLiteral("mode"), Behaviour::nameOf(it->mode)},
                                           {QStringLiteral("rate"), it->rate},
                                           {QStringLiteral("times"), it->times}});
    }
    return table;
}

} // namespace tavrel::forumsim
