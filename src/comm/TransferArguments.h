#pragma once

// The argument lists of the client's requests, in the exact order the service exchange needs,
// before the proxy argument (which goes in front, see ProxyArguments). Each option and its
// value form one argument ("-o" + name); the request URL is always the last argument. Values
// taken from data are URL-encoded where the request sends them as form fields.

#include <QString>
#include <QStringList>

namespace tavrel {

class MyURLEncoder;
struct PatrolEntry;

namespace transfer {

// What a board page request needs besides the board's entry.
struct BoardPageContext
{
    QString cookiePath;     // full path of "nifty_Login_cookies.txt"
    QString nextCookiePath; // full path of "next_cookies.txt"
    QString niftyID;
    QString niftyPassword;
    QString maru; // the "ktype" value of protected boards, before encoding
};

// The login form: RETURL=http%3A%2F%2F<member host>%2Fforum%2F&method_type=GET&attest_id=
// <encoded ID>&attest_pass=<encoded password>.
QString loginFormBody(const QString& memberHost, const QString& niftyID, const QString& niftyPassword,
                      const MyURLEncoder& encoder);
// Login: response to "nifty_Login.html", headers to "nifty_Login_cookies.txt" (data folder).
QStringList loginArguments(const QString& formBody, const QString& memberHost);
// Logout: GET with the cookie file, response to "nifty_Logout.html" (data folder).
QStringList logoutArguments(const QString& memberHost);

// "<board ID>.<page>": the saved page's name in Tmp.
QString boardPageOutputName(const QString& bbsID, int pageNumber);
// The entry's "URLFormat" with the page number put into its integer placeholder, the last
// "%d" (replaced as text; the rest of the URL is never read as a format).
QString boardPageUrl(const QString& urlFormat, int pageNumber);
// A board page request (in Tmp): -o, -m 1800, -Y 500, -y 60 and the page URL, with the
// cookie files of old-style boards, the service ID of https new-style boards and the two
// form fields of protected boards inserted where the service expects them.
QStringList boardPageArguments(const PatrolEntry& entry, int pageNumber, const BoardPageContext& context,
                               const MyURLEncoder& encoder);

// A forum top page (in ForumTop): saved under the forum ID.
QStringList forumTopArguments(const QString& forumID, const QString& forumTopURL);
// The all-board list (in the data folder): saved as "cm_freeboard_all.html".
QStringList boardListArguments(const QString& url);

// MyDesk inbox page (in ForumTop): "message.<page>", sort 3, the page number.
QStringList myDeskInboxArguments(int pageNumber, const QString& cookiePath, const QString& nextCookiePath,
                                 const QString& memberHost);
// MyDesk message page (in Tmp): "message.<index>" from the message's URL.
QStringList myDeskMessageArguments(int index, const QString& messageURL, const QString& cookiePath,
                                   const QString& nextCookiePath);
// MyDesk message sending (in Tmp): the answer to "_<file name>.html"; "toname" only when not
// empty. The three values are URL-encoded here.
QStringList myDeskSendArguments(const QString& fileName, const QString& toid, const QString& toname,
                                const QString& message, const QString& cookiePath,
                                const QString& nextCookiePath, const QString& memberHost,
                                const MyURLEncoder& encoder);

} // namespace transfer
} // namespace tavrel
