#pragma once

// Lively made-up messages for the demo forum and for tests that need many of them: Japanese
// titles and texts from a small phrase book per topic, posters taken from the members (and
// a few guests), comments on recent messages with "Re:" titles, now and then an e-mail
// link, an image or a link. The same seed always gives the same messages.

#include "BoardMessage.h"
#include "Member.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <random>

namespace tavrel::forumsim {

class MessageGenerator
{
public:
    struct Options
    {
        QString topic;
        // Guests (posters without a member ID) may appear.
        bool guests = false;
        // Posters may add a link of their own (new-style boards).
        bool links = true;
        QString imageBase;
    };

    MessageGenerator(quint32 seed, QList<Member> members, Options options);

    // `count` messages dated between `from` and `to`, oldest first, numbered from
    // `firstNumber` on; comments refer to messages among `earlier` and those made here.
    QList<BoardMessage> generate(int count, const QDateTime& from, const QDateTime& to, int firstNumber,
                                 const QList<BoardMessage>& earlier);
    // One message dated `date` with the given number.
    BoardMessage one(int number, const QDateTime& date, const QList<BoardMessage>& earlier);

    static QStringList topics();

private:
    QString pick(const QStringList& list);
    bool chance(double probability);

    std::mt19937 m_random;
    QList<Member> m_members;
    Options m_options;
};

} // namespace tavrel::forumsim
