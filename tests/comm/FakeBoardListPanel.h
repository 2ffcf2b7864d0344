#pragma once

// The board list download panel for tests.

#include "comm/BoardListPanel.h"

#include <QStringList>

namespace tavrel::test {

class FakeBoardListPanel : public BoardListPanel
{
public:
    void showPanel() override { visible = true; }
    void closePanel() override { visible = false; }
    void setButtonsEnabled(bool enabled) override { buttonsEnabled = enabled; }
    void setMessageText(const QString& text) override { messages.append(text); }
    QString urlText() const override { return url; }

    bool visible = false;
    bool buttonsEnabled = false;
    QStringList messages;
    QString url;
};

} // namespace tavrel::test
