#pragma once

// The requests that send a queued outgoing message: the posting form of a board (old-style
// boards, whose post URL holds "cf_wrent", and new-style ones take different fields in a
// different order) and the MyDesk sending form. A file that lacks a required value gives no
// request: the sender skips it and it stays in Post.

#include "store/PlistDict.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tavrel {

class MyURLEncoder;

struct PostRequestContext
{
    QString cookiePath;     // full path of "nifty_Login_cookies.txt"
    QString nextCookiePath; // full path of "next_cookies.txt"
    QString niftyID;
    QString niftyPassword;
    QString maru;          // the "ktype" value
    QString hatsugenSuru;  // the "exec" value of old-style boards
    QString serviceDomain; // where the script path of an old-style post URL begins
    QString memberHost;    // the MyDesk sending host
};

class PostRequest
{
public:
    // The argument list of a board post, proxy not yet inserted, URL last; nothing when
    // "wr_spname", "wr_con1" or "PostURL" is missing or empty, or "PostURL" is not an http or
    // https URL.
    static std::optional<QStringList> boardPostArguments(const QString& fileName, const PlistDict& message,
                                                         const PostRequestContext& context,
                                                         const MyURLEncoder& encoder);
    // The argument list of a MyDesk message, URL last; nothing when "toid" or "message" is
    // missing or empty.
    static std::optional<QStringList> myDeskSendArguments(const QString& fileName, const PlistDict& message,
                                                          const PostRequestContext& context,
                                                          const MyURLEncoder& encoder);

    // The form's location of an old-style board, "<script path>/<board ID>": the text after
    // the service domain up to "_do", and the text after "bid=" up to "&", when "wr_psq="
    // follows; nothing otherwise. Letter case is ignored when searching.
    static std::optional<QString> oldStyleLocation(const QString& postURL, const QString& serviceDomain);
};

} // namespace tavrel
