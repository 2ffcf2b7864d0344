#pragma once

// Names of outgoing message files in Post: forum ID or "message", a dot, and a time stamp of
// month, day, hour, minute and second (a comment puts the commented message's number and a
// "-" before the stamp). Names beginning with "." or "_" are never posted; names whose first
// seven characters are "message" in any letter case are MyDesk messages.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tavrel {

// "MMddHHmmss" of a local date and time.
QString outgoingTimeStamp(const QDateTime& localTime);

// "<forum ID>.<stamp>" for a new board message; nothing when the name would not be a safe,
// postable board message name (an empty forum ID, one holding "/", starting with "." or
// "_", or one that would read as a MyDesk message).
std::optional<QString> boardMessageFileName(const QString& forumID, const QString& stamp);
// "<forum ID>.<number>-<stamp>" for a comment, under the same rule.
std::optional<QString> commentFileName(const QString& forumID, const QString& number, const QString& stamp);
// "message.<stamp>".
QString myDeskMessageFileName(const QString& stamp);

// Not beginning with "." or "_".
bool isPostableFileName(QStringView name);
// The first seven characters are "message", ignoring case (shorter names are not).
bool isMyDeskMessageFileName(QStringView name);
// The name without its extension: everything from the last "." on removed (a name without
// a dot, or whose only dot is its first character, stays whole).
QString fileNameWithoutExtension(QStringView name);

// Full paths of the board messages in a Post folder, sorted by plain character comparison.
QStringList boardPostList(const QString& postFolder);
// Full paths of the MyDesk messages in a Post folder, sorted the same way.
QStringList myDeskPostList(const QString& postFolder);

} // namespace tavrel
