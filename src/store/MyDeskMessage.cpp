#include "MyDeskMessage.h"

#include "text/HalfWidthKana.h"

namespace tavrel {

namespace {

constexpr QStringView kKnownKeys[] = {u"toid", u"toname", u"message", u"IsMyDeskMessage",
                                      u"savedPostFilePath"};

QString converted(const QString& text)
{
    QString result = convertHalfWidthToFullWidth(text);
    result.replace(QChar(0x00a0), QChar(u' '));
    return result;
}

} // namespace

MyDeskMessage MyDeskMessage::fromDictionary(const PlistDict& dict)
{
    MyDeskMessage message;
    message.toid = dict.string(u"toid");
    message.toname = dict.string(u"toname");
    message.message = dict.string(u"message");
    message.savedPostFilePath = dict.string(u"savedPostFilePath");
    message.otherKeys = dict.without(kKnownKeys);
    return message;
}

PlistDict MyDeskMessage::toDictionary() const
{
    PlistDict dict{{QStringLiteral("toid"), toid},
                   {QStringLiteral("toname"), toname},
                   {QStringLiteral("message"), message},
                   {QStringLiteral("IsMyDeskMessage"), true},
                   {QStringLiteral("savedPostFilePath"), savedPostFilePath}};
    for (const auto& [key, value] : otherKeys)
        dict.insert(key, value);
    return dict;
}

void MyDeskMessage::convertForSaving()
{
    toname = converted(toname);
    message = converted(message);
}

} // namespace tavrel
