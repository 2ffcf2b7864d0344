#include "BackPosition.h"

namespace tavrel {

void BackPosition::noteShown(const QString& fullPath, const QString& number)
{
    if (m_currentMessageFullPath != fullPath) {
        m_maenoMessageFullPath = m_currentMessageFullPath;
        m_maenoMessageNumber = m_currentMessageNumber;
        m_currentMessageFullPath = fullPath;
        m_currentMessageNumber = number;
    } else if (m_currentMessageNumber != number) {
        m_maenoMessageFullPath = m_currentMessageFullPath;
        m_maenoMessageNumber = m_currentMessageNumber;
        m_currentMessageNumber = number;
    }
}

} // namespace tavrel
