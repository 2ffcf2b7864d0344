#pragma once

// Reads a scenario: a JSON document with the members, forums, boards (kind, title,
// explanation, colours, charset, password, messages written out or generated) and MyDesk
// messages the simulated service starts with. Plain texts in it are escaped into markup;
// a message "body" with "html": true is taken as markup. A bad scenario is refused whole
// with a message naming the place of the fault.

#include "ForumState.h"
#include "SessionStore.h"
#include "store/ServiceConfiguration.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace tavrel::forumsim {

class ScenarioReader
{
public:
    ScenarioReader(const ServiceConfiguration& configuration, const QDateTime& now);

    // Fills `state` (which should be empty) from the document; false with `error` set when
    // the document is not a valid scenario.
    bool read(const QByteArray& json, ForumState& state, SessionStore& sessions, QString* error);

    // Plain text as markup: escaped, line ends as line breaks.
    static QString plainToMarkup(const QString& text);
    // Member, forum and board identifiers: letters, digits, "_" and "-" (no "-" first).
    static bool isSafeIdentifier(const QString& id);

private:
    bool readMember(const QJsonObject& object, ForumState& state);
    bool readForum(const QJsonObject& object, ForumState& state);
    bool readBoard(const QJsonObject& object, ForumState& state);
    bool readBoardMessages(const QJsonObject& object, Board& board, const ForumState& state);
    bool readMyDesk(const QJsonObject& object, ForumState& state);
    // A message's date: "date" (Japan time, "yyyy-MM-dd HH:mm") or "minutesAgo"; `fallback`
    // when it has neither.
    std::optional<QDateTime> dateOf(const QJsonObject& object, const QDateTime& fallback);
    bool fail(const QString& message);

    const ServiceConfiguration& m_configuration;
    QDateTime m_now;
    QString m_where;
    QString m_error;
};

} // namespace tavrel::forumsim
