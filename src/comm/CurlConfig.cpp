#include "CurlConfig.h"

namespace tavrel {

namespace {

struct OptionName
{
    char16_t letter;
    const char* longName;
    bool takesValue;
};

constexpr OptionName kOptions[] = {
    {u'o', "output", true},   {u'D', "dump-header", true}, {u'b', "cookie", true},
    {u'd', "data", true},     {u'u', "user", true},        {u'x', "proxy", true},
    {u'm', "max-time", true}, {u'Y', "speed-limit", true}, {u'y', "speed-time", true},
    {u'f', "fail", false},
};

const OptionName* optionFor(QChar letter)
{
    for (const OptionName& option : kOptions) {
        if (option.letter == letter.unicode())
            return &option;
    }
    return nullptr;
}

} // namespace

QString CurlConfig::quoted(const QString& value)
{
    QString out;
    out.reserve(value.size() + 2);
    out += u'"';
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            out += u"\\\\";
            break;
        case u'"':
            out += u"\\\"";
            break;
        case u'\n':
            out += u"\\n";
            break;
        case u'\r':
            out += u"\\r";
            break;
        case u'\t':
            out += u"\\t";
            break;
        case u'\v':
            out += u"\\v";
            break;
        default:
            out += c;
        }
    }
    out += u'"';
    return out;
}

std::optional<QByteArray> CurlConfig::fromArguments(const QStringList& arguments)
{
    QString text;
    for (const QString& argument : arguments) {
        if (argument.contains(QChar(0)))
            return std::nullopt;
        if (!argument.startsWith(u'-')) {
            text += u"url = " + quoted(argument) + u'\n';
            continue;
        }
        const OptionName* option = argument.size() >= 2 ? optionFor(argument.at(1)) : nullptr;
        if (!option)
            return std::nullopt;
        const QString name = QString::fromLatin1(option->longName);
        if (!option->takesValue) {
            if (argument.size() != 2)
                return std::nullopt;
            text += name + u'\n';
            continue;
        }
        QString value = argument.mid(2);
        // A cookie value without "@" would be read as a cookie string when the path holds
        // "="; the "@" makes curl always read it as a file name.
        if (option->letter == u'b')
            value.prepend(u'@');
        text += name + u" = " + quoted(value) + u'\n';
    }
    return text.toUtf8();
}

} // namespace tavrel
