#pragma once

// Reading and writing outgoing message files, the body size check, and the move of a posted
// file into SentMessages.

#include "platform/SystemLog.h"
#include "store/PlistValue.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace tavrel {

class OutgoingMessageFile
{
public:
    // Bodies longer than this many bytes in CP932 get the size warning (and are saved anyway).
    static constexpr qsizetype maxBodyBytes = 3999;

    // True when the body is longer than maxBodyBytes in CP932 bytes.
    static bool isBodyTooLong(QStringView body);

    // The file's root dictionary, or nothing when it is not a readable property-list
    // dictionary.
    static std::optional<PlistDict> read(const QString& path);
    // True when "IsMyDeskMessage" is a true boolean: the file belongs to the MyDesk editor.
    static bool isMyDeskMessage(const PlistDict& dict);
    // Writes the dictionary atomically; false when that failed (an old file then stays).
    static bool write(const QString& path, const PlistDict& dict);

    // Moves a posted file into `sentMessagesFolder` under the same name, never replacing a
    // file there. On failure writes the line
    // Fail to move "<name>" file from Post folder to SentMessage Folder.
    // to the log and leaves the file where it was.
    static bool moveToSentMessages(const QString& path, const QString& sentMessagesFolder, SystemLog& log);
};

} // namespace tavrel
