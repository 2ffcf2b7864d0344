#pragma once

// The cookie files of the data folder: "nifty_Login_cookies.txt" holds the response headers
// of the last exchange that set cookies and is sent back with "-b"; "next_cookies.txt" is
// where requests that send it dump their response headers.

#include <QString>

namespace tavrel {

// Replaces the cookie file by the next cookie file when the latter holds a "Set-Cookie:"
// header (in any letter case, not at its very start). Otherwise nothing changes and the next
// file stays to be overwritten by the next dump. The replacement is one atomic rename.
// Returns true when the cookie file was replaced.
bool checkAndExchangeCookieFile(const QString& cookiePath, const QString& nextCookiePath);

// Removes both files, so that a run starts without cookies.
void deleteCookieFiles(const QString& cookiePath, const QString& nextCookiePath);

} // namespace tavrel
