#pragma once

// A member of the simulated service: the ID and password of the login and of basic
// authentication, and the handle shown with MyDesk messages.

#include <QString>

namespace tavrel::forumsim {

struct Member
{
    QString id;
    QString password;
    QString name;
    QString email;
};

} // namespace tavrel::forumsim
