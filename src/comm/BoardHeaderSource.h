#pragma once

// Where the forum top step learns what the store already holds of a board: the
// "DateOfLastMes" of the board row that the board tree shows for a board ID. The board tree
// model implements it; WarehouseHeaderSource reads the board log files directly.

#include <QString>

#include <optional>

namespace tavrel {

class BoardHeaderSource
{
public:
    virtual ~BoardHeaderSource() = default;

    // The "DateOfLastMes" text of the first board row whose log file is named `bbsID`; an
    // empty text when that row's header has none; nothing when no row has that name.
    virtual std::optional<QString> dateOfLastMes(const QString& bbsID) const = 0;
};

} // namespace tavrel
