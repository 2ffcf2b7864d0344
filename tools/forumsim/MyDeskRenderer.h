#pragma once

// The markup of MyDesk pages: the inbox with its unread and read markers, the page of one
// message with the sender link, member ID, date and text cells, and the sending pages.

#include "Member.h"
#include "MyDeskMessage.h"
#include "store/ServiceConfiguration.h"

#include <QList>
#include <QString>

namespace tavrel::forumsim {

class MyDeskRenderer
{
public:
    static constexpr int kPageSize = 20;

    explicit MyDeskRenderer(const ServiceConfiguration& configuration);

    // Page `page` (1 = newest) of an inbox given newest first.
    QString inboxPage(const QList<const MyDeskMessage*>& inbox, int page) const;
    // One message; the title is the same for every message page.
    QString messagePage(const MyDeskMessage& message) const;
    // The answers of the sending form: the confirmation step, the sent page, a refusal.
    QString confirmPage(const QString& toId, const QString& toName, const QString& text) const;
    QString sentPage(const QString& toId) const;
    QString refusedPage(const QString& reason) const;
    QString formPage(const Member& recipient) const;
    QString profilePage(const Member& member) const;

    // The message's title: its first line.
    static QString titleOf(const QString& text);

private:
    const ServiceConfiguration& m_configuration;
};

} // namespace tavrel::forumsim
