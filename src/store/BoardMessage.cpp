#include "BoardMessage.h"

#include "text/EntityCoding.h"
#include "text/HalfWidthKana.h"

namespace tavrel {

namespace {

constexpr QStringView kKnownKeys[] = {u"wr_spname",   u"wr_email",         u"wr_title", u"wr_lurl",
                                      u"PostURL",     u"wr_con1",          u"wr_delkw", u"UseTag",
                                      u"wr_sppasswd", u"savedPostFilePath"};

QString converted(const QString& text, bool encode)
{
    QString result = convertHalfWidthToFullWidth(text);
    if (encode)
        result = encodeEntities(result);
    result.replace(QChar(0x00a0), QChar(u' '));
    return result;
}

} // namespace

BoardMessage BoardMessage::fromDictionary(const PlistDict& dict)
{
    BoardMessage message;
    message.spname = dict.string(u"wr_spname");
    message.email = dict.string(u"wr_email");
    message.title = dict.string(u"wr_title");
    message.lurl = dict.string(u"wr_lurl");
    message.postURL = dict.string(u"PostURL");
    message.con1 = dict.string(u"wr_con1");
    message.delkw = dict.string(u"wr_delkw");
    message.useTag = dict.string(u"UseTag") != u"NO";
    message.sppasswd = dict.string(u"wr_sppasswd");
    if (dict.contains(u"savedPostFilePath"))
        message.savedPostFilePath = dict.string(u"savedPostFilePath");
    message.otherKeys = dict.without(kKnownKeys);
    return message;
}

PlistDict BoardMessage::toDictionary() const
{
    PlistDict dict{{QStringLiteral("wr_spname"), spname},
                   {QStringLiteral("wr_email"), email},
                   {QStringLiteral("wr_title"), title},
                   {QStringLiteral("wr_lurl"), lurl},
                   {QStringLiteral("PostURL"), postURL},
                   {QStringLiteral("wr_con1"), con1},
                   {QStringLiteral("wr_delkw"), delkw},
                   {QStringLiteral("UseTag"), useTag ? QStringLiteral("YES") : QStringLiteral("NO")},
                   {QStringLiteral("wr_sppasswd"), sppasswd}};
    if (savedPostFilePath)
        dict.insert(QStringLiteral("savedPostFilePath"), *savedPostFilePath);
    for (const auto& [key, value] : otherKeys)
        dict.insert(key, value);
    return dict;
}

void BoardMessage::convertForSaving()
{
    spname = converted(spname, !useTag);
    title = converted(title, !useTag);
    con1 = converted(con1, !useTag);
}

} // namespace tavrel
