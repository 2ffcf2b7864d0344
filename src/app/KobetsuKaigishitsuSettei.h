#pragma once

// The per-board settings sheet: expiry deletion on or off and its age in days, the last
// message number the next receive continues from, and the forum and board names. Opening
// fills the sheet from the board's in-memory header; OK writes it back there (the file
// follows at the next save point); Cancel changes nothing.

#include "store/BoardLogHeader.h"
#include "store/MessageRecord.h"

#include <QList>
#include <QString>

namespace tavrel {

class KobetsuKaigishitsuSettei
{
public:
    // The values of the sheet's controls.
    struct Values
    {
        bool sakujo = false; // kobetsuSakujoSetteiCheckBox: "Delete" is "YES"
        QString sakujoDays;  // kobetsuSakujoSetteiDateText: "DeleteDay"
        QString lastMesNo;   // kobetsuSakujoLastMesNoText: "NumberOfLastMes"
        QString forumName;   // kobetsuSakujoForumNameText
        QString boardName;   // kobetsuSakujoBoardNameText

        friend bool operator==(const Values&, const Values&) = default;
    };

    // The sheet's values for a board (`orderFrontKobetsuKaigishitsuSettei:`).
    static Values valuesFor(const BoardLogHeader& header);
    // The stepper's value for the typed days text.
    static int stepperValue(const QString& days);

    // OK (`kobetsuHatsugenSakujoPushOK:`): stores the values in `header`; "NumberOfLastMes"
    // becomes the decimal form of the typed number's integer value, and "DateOfLastMes" the
    // date of the highest-numbered message of `messageArray` not above it (when there is one).
    static void apply(BoardLogHeader& header, const Values& values, const QList<MessageRecord>& messageArray);
};

} // namespace tavrel
