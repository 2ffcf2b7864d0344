#include "OutgoingMessageFile.h"

#include "PropertyList.h"
#include "text/TextEncoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tavrel {

bool OutgoingMessageFile::isBodyTooLong(QStringView body)
{
    return encoding::cp932ByteLength(body) > maxBodyBytes;
}

std::optional<PlistDict> OutgoingMessageFile::read(const QString& path)
{
    return PropertyList::readDictionaryFile(path);
}

bool OutgoingMessageFile::isMyDeskMessage(const PlistDict& dict)
{
    const PlistValue* flag = dict.find(u"IsMyDeskMessage");
    return flag && flag->type() == PlistValue::Type::Bool && flag->toBool();
}

bool OutgoingMessageFile::write(const QString& path, const PlistDict& dict)
{
    return PropertyList::writeFile(path, dict);
}

bool OutgoingMessageFile::moveToSentMessages(const QString& path, const QString& sentMessagesFolder,
                                             SystemLog& log)
{
    const QString name = QFileInfo(path).fileName();
    const QString target = QDir(sentMessagesFolder).filePath(name);
    // QFile::rename refuses an existing target.
    if (QFile::exists(target) || !QFile::rename(path, target)) {
        log.log(QStringLiteral("Fail to move \"") + name +
                QStringLiteral("\" file from Post folder to SentMessage Folder."));
        return false;
    }
    return true;
}

} // namespace tavrel
