#pragma once

// The date of a message as a page shows it ("2004/05/12(Wed) 13:45"): the first five numbers
// of the text are the year, month, day, hour and minute, in that order; a number that is
// missing is taken from the current local date and time. Seconds are 0 and the civil time is
// read as Japan time.

#include <QDateTime>
#include <QString>
#include <QStringView>

namespace tavrel {

struct PageDate
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    // The moment in Japan time; invalid when the numbers name no real date or time.
    QDateTime moment;

    // The date text of the moment; empty when the moment is invalid or its year is not one of
    // four digits (date text has room for no other).
    QString dateText() const;
    // The day as eight digits, year, month and day run together ("20040512").
    QString dayNumber() const;

    // Reads a page's date; `now` gives the numbers the text lacks.
    static PageDate fromText(QStringView text, const QDateTime& now = QDateTime::currentDateTime());
};

} // namespace tavrel
