#include "Board.h"

namespace tavrel::forumsim {

Board::Board(BoardSettings settings)
    : m_settings(std::move(settings))
{}

const BoardMessage* Board::message(int number) const
{
    for (const BoardMessage& message : m_messages) {
        if (message.number == number)
            return &message;
    }
    return nullptr;
}

QList<int> Board::commentsOn(int number) const
{
    QList<int> numbers;
    for (const BoardMessage& message : m_messages) {
        if (message.comment == number)
            numbers.append(message.number);
    }
    return numbers;
}

int Board::append(BoardMessage message)
{
    message.number = ++m_lastNumber;
    m_messages.append(std::move(message));
    return m_lastNumber;
}

void Board::restart()
{
    m_messages.clear();
    m_lastNumber = 0;
}

void Board::skipNumbersTo(int next)
{
    m_lastNumber = qMax(m_lastNumber, next - 1);
}

int Board::pageCount() const
{
    return int((m_messages.size() + kPageSize - 1) / kPageSize);
}

QList<const BoardMessage*> Board::page(int page) const
{
    QList<const BoardMessage*> result;
    if (page < 1 || page > pageCount())
        return result;
    const qsizetype newest = m_messages.size() - 1 - qsizetype(page - 1) * kPageSize;
    for (qsizetype i = newest; i >= 0 && i > newest - kPageSize; --i)
        result.append(&m_messages.at(i));
    return result;
}

} // namespace tavrel::forumsim
