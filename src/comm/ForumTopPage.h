#pragma once

// Reading a forum top page: for every board block ("<!-- BBS BEGIN -->" … "<!-- BBS END -->")
// the board ID from its first link and the date and time of its last message from the
// per-board information, which a patrol compares with what it already stores.

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tavrel {

class ServiceConfiguration;

class ForumTopPage
{
public:
    // The service's texts around the per-board information and its last-message label.
    struct Markers
    {
        QString start; // "ToolBetsuTsuikaJouhouStart"
        QString end;   // "ToolBetsuTsuikaJouhouEnd"
        QString label; // "SaisyuuHatsugenNichiji"

        static Markers from(const ServiceConfiguration& configuration);
    };

    // Adds the last-message date text (Japan time, seconds 0) of every board block to
    // `boardLastDates` under its board ID; a later block of the same board overwrites an
    // earlier one. Blocks without a link, without the markers or the label, or whose board ID
    // is not a safe name are skipped (unsafe IDs are added to `unsafeIDs` when given). Fields
    // that cannot be read are taken from `now` (in Japan time).
    static void huriwakeForumTopData(QStringView page, const Markers& markers, const QDateTime& now,
                                     QHash<QString, QString>& boardLastDates,
                                     QStringList* unsafeIDs = nullptr);

    // The same over a saved page, decoded as Shift_JIS; a page that cannot be read or decoded
    // adds nothing. False in that case.
    static bool huriwakeForumTopFile(const QString& path, const Markers& markers, const QDateTime& now,
                                     QHash<QString, QString>& boardLastDates,
                                     QStringList* unsafeIDs = nullptr);
};

} // namespace tavrel
