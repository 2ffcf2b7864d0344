#pragma once

// How the service answers a kind of request when a test wants trouble: slowly (below
// curl's low-speed limit), with an HTTP error, with a connection cut mid-page, or not at
// all found. Targets name the request kinds: "board:<id>", "post:<id>", "login", "logout",
// "inbox", "message", "send", "forumtop:<forum>", "forumlist", "boardlist:<forum>",
// "allboards", or "*" for every request.

#include <QHash>
#include <QJsonObject>
#include <QString>

#include <mutex>
#include <optional>

namespace tavrel::forumsim {

struct Behaviour
{
    enum class Mode
    {
        Normal,
        Slow,     // the body trickles at `rate` bytes per second
        Fail,     // HTTP 500 with an error page
        Abort,    // half the body, then the connection closes
        NotFound, // HTTP 404
    };

    Mode mode = Mode::Normal;
    int rate = 16;
    // How many requests the behaviour lasts; 0 for as long as it is set.
    int times = 0;

    static std::optional<Mode> modeFromName(const QString& name);
    static QString nameOf(Mode mode);
};

class Behaviours
{
public:
    void set(const QString& target, const Behaviour& behaviour);
    void clearAll();
    // The behaviour for one request to `target` (or "*"); a limited one counts down.
    Behaviour take(const QString& target);
    QJsonObject toJson() const;

private:
    mutable std::mutex m_mutex;
    QHash<QString, Behaviour> m_table;
};

} // namespace tavrel::forumsim
