#include "PostRequest.h"

#include "comm/MyURLEncoder.h"
#include "comm/TransferArguments.h"
#include "store/SafeName.h"

using namespace Qt::StringLiterals;

namespace tavrel {

namespace {

// "-d<name>=<encoded value>" when the message holds a non-empty text under `key`.
void addField(QStringList& arguments, const PlistDict& message, QStringView name, QStringView key,
              const MyURLEncoder& encoder)
{
    const QString value = message.string(key);
    if (!value.isEmpty())
        arguments.append(u"-d" + name + u'=' + encoder.urlEncodeWithString(value));
}

} // namespace

std::optional<QString> PostRequest::oldStyleLocation(const QString& postURL, const QString& serviceDomain)
{
    if (serviceDomain.isEmpty())
        return std::nullopt;
    const qsizetype domainAt = postURL.indexOf(serviceDomain, 0, Qt::CaseInsensitive);
    if (domainAt < 0)
        return std::nullopt;
    const qsizetype scriptStart = domainAt + serviceDomain.size();
    const qsizetype doAt = postURL.indexOf(u"_do", scriptStart, Qt::CaseInsensitive);
    const qsizetype bidAt = doAt < 0 ? -1 : postURL.indexOf(u"bid=", doAt, Qt::CaseInsensitive);
    const qsizetype idStart = bidAt + 4;
    const qsizetype ampAt = bidAt < 0 ? -1 : postURL.indexOf(u'&', idStart);
    if (ampAt < 0 || doAt == scriptStart || ampAt == idStart ||
        postURL.indexOf(u"wr_psq=", ampAt, Qt::CaseInsensitive) < 0)
        return std::nullopt;
    return postURL.mid(scriptStart, doAt - scriptStart) + u'/' + postURL.mid(idStart, ampAt - idStart);
}

std::optional<QStringList> PostRequest::boardPostArguments(const QString& fileName, const PlistDict& message,
                                                           const PostRequestContext& context,
                                                           const MyURLEncoder& encoder)
{
    const QString postURL = message.string(u"PostURL");
    if (message.string(u"wr_spname").isEmpty() || message.string(u"wr_con1").isEmpty() ||
        !isAcceptableUrl(postURL))
        return std::nullopt;
    const bool oldStyle = postURL.contains(u"cf_wrent", Qt::CaseInsensitive);

    QStringList arguments{u"-o_" + fileName + u".html"};
    if (oldStyle)
        arguments << u"-b" + context.cookiePath << u"-D" + context.nextCookiePath << u"-f"_s;
    else if (postURL.left(5).compare(u"https", Qt::CaseInsensitive) == 0)
        arguments << u"-u" + context.niftyID + u':' + context.niftyPassword;
    arguments << u"-dktype=" + encoder.urlEncodeWithString(context.maru);
    addField(arguments, message, u"wr_spname", u"wr_spname", encoder);
    if (!oldStyle)
        addField(arguments, message, u"wr_email", u"wr_email", encoder);
    addField(arguments, message, u"wr_title", u"wr_title", encoder);
    if (oldStyle)
        addField(arguments, message, u"wr_email", u"wr_email", encoder);
    addField(arguments, message, u"wr_con1", u"wr_con1", encoder);
    if (!oldStyle)
        addField(arguments, message, u"wr_lurl", u"wr_lurl", encoder);
    addField(arguments, message, u"wr_sppasswd", u"wr_sppasswd", encoder);
    addField(arguments, message, u"wr_delkw", u"wr_delkw", encoder);
    if (oldStyle) {
        arguments << u"-dtstamp=940590220"_s;
        if (const std::optional<QString> location = oldStyleLocation(postURL, context.serviceDomain))
            arguments << u"-dwr_location=" + encoder.urlEncodeWithString(*location);
        if (!context.hatsugenSuru.isEmpty())
            arguments << u"-dexec=" + encoder.urlEncodeWithString(context.hatsugenSuru);
    } else {
        addField(arguments, message, u"tstamp", u"tstamp", encoder);
        addField(arguments, message, u"wr_location", u"wr_location", encoder);
    }
    arguments << postURL;
    return arguments;
}

std::optional<QStringList> PostRequest::myDeskSendArguments(const QString& fileName, const PlistDict& message,
                                                            const PostRequestContext& context,
                                                            const MyURLEncoder& encoder)
{
    const QString toid = message.string(u"toid");
    const QString text = message.string(u"message");
    if (toid.isEmpty() || text.isEmpty())
        return std::nullopt;
    return transfer::myDeskSendArguments(fileName, toid, message.string(u"toname"), text, context.cookiePath,
                                         context.nextCookiePath, context.memberHost, encoder);
}

} // namespace tavrel
