#pragma once

// A message record of a board log file: the texts under the known keys ("Number", "Comment",
// "Title", ...) plus any other keys the file held.

#include "store/KeyedFields.h"

#include <QDateTime>
#include <QLatin1StringView>
#include <QString>

#include <optional>

namespace tavrel {

struct MessageRecordKeys
{
    enum Key
    {
        Number,
        Comment,
        Title,
        Name,
        Date,
        Contents,
        EMail,
        CommentURL,
        Refference,
        DontRead,
        Lock,
        Memo,
        Label,
        IndentLevel,
        Count
    };
    static constexpr QLatin1StringView names[Count] = {
        QLatin1StringView("Number"),   QLatin1StringView("Comment"),     QLatin1StringView("Title"),
        QLatin1StringView("Name"),     QLatin1StringView("Date"),        QLatin1StringView("Contents"),
        QLatin1StringView("EMail"),    QLatin1StringView("CommentURL"),  QLatin1StringView("Refference"),
        QLatin1StringView("DontRead"), QLatin1StringView("Lock"),        QLatin1StringView("Memo"),
        QLatin1StringView("Label"),    QLatin1StringView("IndentLevel"),
    };
};

class MessageRecord
    : public MessageRecordKeys
    , public KeyedFields<MessageRecordKeys>
{
public:
    using Key = MessageRecordKeys::Key;

    // The explanation record of a board: "Number" "0", the given title, the date text of
    // `storedAt`, unread and locked, with the explanation as its contents.
    static MessageRecord explanationRecord(const QString& explanation, const QString& title,
                                           const QDateTime& storedAt);

    const QString& number() const { return value(Number); }
    const QString& comment() const { return value(Comment); }
    const QString& title() const { return value(Title); }
    const QString& name() const { return value(Name); }
    const QString& date() const { return value(Date); }
    const QString& contents() const { return value(Contents); }
    const QString& eMail() const { return value(EMail); }
    const QString& commentURL() const { return value(CommentURL); }
    const QString& refference() const { return value(Refference); }
    const QString& dontRead() const { return value(DontRead); }
    const QString& lock() const { return value(Lock); }
    const QString& memo() const { return value(Memo); }
    const QString& label() const { return value(Label); }
    const QString& indentLevel() const { return value(IndentLevel); }

    void setNumber(QString text) { setValue(Number, std::move(text)); }
    void setComment(QString text) { setValue(Comment, std::move(text)); }
    void setTitle(QString text) { setValue(Title, std::move(text)); }
    void setName(QString text) { setValue(Name, std::move(text)); }
    void setDate(QString text) { setValue(Date, std::move(text)); }
    void setContents(QString text) { setValue(Contents, std::move(text)); }
    void setEMail(QString text) { setValue(EMail, std::move(text)); }
    void setCommentURL(QString text) { setValue(CommentURL, std::move(text)); }
    void setRefference(QString text) { setValue(Refference, std::move(text)); }
    void setDontRead(QString text) { setValue(DontRead, std::move(text)); }
    void setLock(QString text) { setValue(Lock, std::move(text)); }
    void setMemo(QString text) { setValue(Memo, std::move(text)); }
    void setLabel(QString text) { setValue(Label, std::move(text)); }
    void setIndentLevel(QString text) { setValue(IndentLevel, std::move(text)); }

    // The integer value of "Number" (0 when absent).
    int numberValue() const;
    // The moment "Date" names, when it is a date text.
    std::optional<QDateTime> dateValue() const;
    // "DontRead" is exactly "YES".
    bool isUnread() const;
    // The explanation record has the number "0".
    bool isExplanation() const;
};

} // namespace tavrel
