#include "TransferArguments.h"

#include "MyURLEncoder.h"
#include "store/PatrolEntry.h"

using namespace Qt::StringLiterals;

namespace tavrel::transfer {

QString loginFormBody(const QString& memberHost, const QString& niftyID, const QString& niftyPassword,
                      const MyURLEncoder& encoder)
{
    return u"RETURL=http%3A%2F%2F" + memberHost + u"%2Fforum%2F&method_type=GET&attest_id=" +
           encoder.urlEncodeWithString(niftyID) + u"&attest_pass=" +
           encoder.urlEncodeWithString(niftyPassword);
}

QStringList loginArguments(const QString& formBody, const QString& memberHost)
{
    return {u"-onifty_Login.html"_s, u"-Dnifty_Login_cookies.txt"_s, u"-d" + formBody,
            u"https://" + memberHost + u"/forum/login"};
}

QStringList logoutArguments(const QString& memberHost)
{
    return {u"-onifty_Logout.html"_s, u"-bnifty_Login_cookies.txt"_s,
            u"http://" + memberHost + u"/forum/logout.go"};
}

QString boardPageOutputName(const QString& bbsID, int pageNumber)
{
    return bbsID + u'.' + QString::number(pageNumber);
}

QString boardPageUrl(const QString& urlFormat, int pageNumber)
{
    QString url = urlFormat;
    const qsizetype at = url.lastIndexOf(u"%d");
    if (at >= 0)
        url.replace(at, 2, QString::number(pageNumber));
    return url;
}

QStringList boardPageArguments(const PatrolEntry& entry, int pageNumber, const BoardPageContext& context,
                               const MyURLEncoder& encoder)
{
    QStringList arguments = {u"-o" + boardPageOutputName(entry.bbsID, pageNumber), u"-m1800"_s, u"-Y500"_s,
                             u"-y60"_s, boardPageUrl(entry.urlFormat, pageNumber)};
    if (entry.isOldStyleBoard()) {
        arguments.insert(1, u"-b" + context.cookiePath);
        arguments.insert(2, u"-D" + context.nextCookiePath);
    } else if (entry.isHttps()) {
        arguments.insert(0, u"-u" + context.niftyID + u':' + context.niftyPassword);
    }
    const QString hogoPassword = entry.hogoPasswordOrEmpty();
    if (!hogoPassword.isEmpty()) {
        arguments.insert(1, u"-dktype=" + encoder.urlEncodeWithString(context.maru));
        arguments.insert(2, u"-db_passwd=" + encoder.urlEncodeWithString(hogoPassword));
    }
    return arguments;
}

QStringList forumTopArguments(const QString& forumID, const QString& forumTopURL)
{
    return {u"-o" + forumID, forumTopURL};
}

QStringList boardListArguments(const QString& url)
{
    return {u"-ocm_freeboard_all.html"_s, url};
}

QStringList myDeskInboxArguments(int pageNumber, const QString& cookiePath, const QString& nextCookiePath,
                                 const QString& memberHost)
{
    const QString page = QString::number(pageNumber);
    return {u"-omessage." + page, u"-b" + cookiePath, u"-D" + nextCookiePath,
            u"-dsort=3"_s,        u"-dpage=" + page,  u"http://" + memberHost + u"/forum/message/inbox.go"};
}

QStringList myDeskMessageArguments(int index, const QString& messageURL, const QString& cookiePath,
                                   const QString& nextCookiePath)
{
    return {u"-omessage." + QString::number(index), u"-b" + cookiePath, u"-D" + nextCookiePath, messageURL};
}

QStringList myDeskSendArguments(const QString& fileName, const QString& toid, const QString& toname,
                                const QString& message, const QString& cookiePath,
                                const QString& nextCookiePath, const QString& memberHost,
                                const MyURLEncoder& encoder)
{
    QStringList arguments = {u"-o_" + fileName + u".html", u"-b" + cookiePath,
                             u"-D" + nextCookiePath,       u"-f"_s,
                             u"-dtarget=secondok"_s,       u"-dtoid=" + encoder.urlEncodeWithString(toid)};
    if (!toname.isEmpty())
        arguments.append(u"-dtoname=" + encoder.urlEncodeWithString(toname));
    arguments.append(u"-dmessage=" + encoder.urlEncodeWithString(message));
    arguments.append(u"http://" + memberHost + u"/forum/message/send.go");
    return arguments;
}

} // namespace tavrel::transfer
