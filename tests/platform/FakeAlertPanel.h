#pragma once

// Alert panel for tests: records every alert and beep, answers from a queue (default when the
// queue is empty).

#include "platform/AlertPanel.h"

#include <QList>

namespace tavrel::test {

class FakeAlertPanel : public AlertPanel
{
public:
    AlertAnswer runAlert(const AlertRequest& request) override
    {
        m_alerts.append(request);
        return m_answers.isEmpty() ? AlertAnswer::Default : m_answers.takeFirst();
    }
    void beep() override { ++m_beeps; }

    void queueAnswer(AlertAnswer answer) { m_answers.append(answer); }
    const QList<AlertRequest>& alerts() const { return m_alerts; }
    int beeps() const { return m_beeps; }
    void clear()
    {
        m_alerts.clear();
        m_beeps = 0;
    }

private:
    QList<AlertRequest> m_alerts;
    QList<AlertAnswer> m_answers;
    int m_beeps = 0;
};

} // namespace tavrel::test
