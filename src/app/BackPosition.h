#pragma once

// Which message was shown last and which one before it (the back position), by board log
// file path and message "Number". Only a change of the shown message moves them.

#include <QString>

namespace tavrel {

class BackPosition
{
public:
    // Notes that the message `number` of the board at `fullPath` is being shown. When it
    // differs from the current one, the current one becomes the back position.
    void noteShown(const QString& fullPath, const QString& number);

    const QString& currentMessageFullPath() const { return m_currentMessageFullPath; }
    const QString& currentMessageNumber() const { return m_currentMessageNumber; }
    const QString& maenoMessageFullPath() const { return m_maenoMessageFullPath; }
    const QString& maenoMessageNumber() const { return m_maenoMessageNumber; }

private:
    QString m_currentMessageFullPath;
    QString m_currentMessageNumber;
    QString m_maenoMessageFullPath;
    QString m_maenoMessageNumber;
};

} // namespace tavrel
