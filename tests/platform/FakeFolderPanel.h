#pragma once

// Folder chooser for tests: answers from a queue of choices (nothing = cancel) and records
// every request. An empty queue cancels.

#include "platform/FolderPanel.h"

#include <QList>

namespace tavrel::test {

class FakeFolderPanel : public FolderPanel
{
public:
    std::optional<QString> chooseFolder(const FolderPanelRequest& request) override
    {
        m_requests.append(request);
        return m_choices.isEmpty() ? std::nullopt : m_choices.takeFirst();
    }

    void queueChoice(std::optional<QString> choice) { m_choices.append(std::move(choice)); }
    const QList<FolderPanelRequest>& requests() const { return m_requests; }

private:
    QList<std::optional<QString>> m_choices;
    QList<FolderPanelRequest> m_requests;
};

} // namespace tavrel::test
