#pragma once

// Login and logout of a run. Both run as transfer tasks in the run's slot: the run waits for
// their end on the event loop instead of blocking it, keeps their order and their effects,
// and the stop button can end them.

#include <functional>

namespace tavrel {

class CommunicationRun;

class LoginLogout
{
public:
    explicit LoginLogout(CommunicationRun& run);

    // Logs in with the service ID; `done` gets the login flag. Without an ID or a password:
    // alert "NotIDAndPasswordTitle", the run is stopped, nothing is sent. A failed login
    // stops the run, then shows "ErrorTitle" / "LoginFailMessage".
    void tsuushinLoginNewDodOvoza(std::function<void(bool loggedIn)> done);
    // Logs out; a failure shows "ErrorTitle" / "LogoutFailMessage". `done` follows in every
    // case.
    void logout(std::function<void()> done);

private:
    CommunicationRun& m_run;
};

} // namespace tavrel
