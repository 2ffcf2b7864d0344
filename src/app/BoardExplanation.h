#pragma once

// A board's explanation: the text its pages show between the explanation markers, kept as
// the explanation record (number "0") at the head of the board log file. A new explanation is
// put in front, a changed one replaces the old record, an unchanged one is left alone, so the
// record arrives unread only when the text is new.

#include "store/MessageRecord.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace tavrel {

class ServiceConfiguration;

class BoardExplanation
{
public:
    enum class Change
    {
        None,
        Inserted,
        Replaced,
    };

    // The text between the start and end markers of a page (case-insensitive), read in the
    // charset it declares, Shift_JIS by default; nothing when the page does not decode or
    // either marker is missing.
    static std::optional<QString> find(QByteArrayView page, const ServiceConfiguration& configuration);

    // What storing `explanation` does to a body.
    static Change decide(const QList<MessageRecord>& body, const QString& explanation);
    // Applies it with the record made from `explanation`, `title` and `storedAt`.
    static Change apply(QList<MessageRecord>& body, const QString& explanation, const QString& title,
                        const QDateTime& storedAt);

    // Reads the page and the board log file and stores the page's explanation in the file,
    // writing it only when it changes. Nothing happens when the page has no explanation or the
    // file cannot be read or has no "Body"; `error` tells of a failed write.
    static Change storeFromPage(const QString& pagePath, const QString& boardLogPath,
                                const ServiceConfiguration& configuration, const QDateTime& storedAt,
                                QString* error = nullptr);
};

} // namespace tavrel
