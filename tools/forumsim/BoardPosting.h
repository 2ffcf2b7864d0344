#pragma once

// A post to a board: checks the form as the service's posting script does (ktype, name and
// text, the board password, the old-style exec and location fields, the message commented
// on), stores the message under the board's next number and records the post.

#include "Exchange.h"
#include "SimContext.h"

#include <QString>

namespace tavrel::forumsim {

class Board;

class BoardPosting
{
public:
    explicit BoardPosting(SimContext& context);

    // Answers the post; the caller holds the state lock and has admitted `memberId`.
    void post(Exchange& exchange, Board& board, const QString& memberId);

private:
    // The reason the form is refused; empty when it is acceptable.
    QString problem(const Board& board, const FormFields& query, const FormFields& form) const;
    void answer(Exchange& exchange, int status, const QString& title, const QString& message);

    SimContext& m_context;
};

} // namespace tavrel::forumsim
