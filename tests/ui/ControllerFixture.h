#pragma once

// The main controller over platform fakes, a temporary preferences file and data folder.

#include "app/BrowserTestSupport.h"
#include "platform/FakeAlertPanel.h"
#include "platform/FakeFolderPanel.h"
#include "platform/FakeKeychain.h"
#include "platform/FakeSystemLog.h"
#include "platform/FakeTrash.h"
#include "store/DataFolder.h"
#include "store/Preferences.h"
#include "support/TempDir.h"
#include "ui/DodOvozaController.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>

namespace tavrel::test {

class ControllerFixture : public ::testing::Test
{
protected:
    ControllerFixture()
        : preferences(std::make_unique<Preferences>(dir.filePath(QStringLiteral("prefs.plist"))))
        , curlPath(dir.writeFile(QStringLiteral("bin/curl"), "#!/bin/sh\n"))
    {}

    // A valid data folder inside the temporary folder, stored in the preferences.
    QString makeDataFolder()
    {
        const QString path = DataFolder::create(dir.makeDir(QStringLiteral("data"))).value();
        preferences->setTvlFolderPath(path);
        return path;
    }

    QString board(const QString& id, const QString& forum, const QList<Msg>& msgs)
    {
        return writeBoard(DataFolder(preferences->tvlFolderPath().value()).warehousePath() + u'/' + id,
                          makeHeader(id, forum, msgs), msgs);
    }

    DodOvozaController& make()
    {
        controller = std::make_unique<DodOvozaController>(
            DodOvozaController::Platform{alerts, folders, keychain, log, trash, *preferences, curlPath,
                                         binaryDir() + QStringLiteral("/tavrelsplit"), [this] { ++quits; }});
        return *controller;
    }

    // Builds the controller and starts it; the start's answer.
    bool start() { return make().applicationDidFinishLaunching(); }

    TempDir dir;
    std::unique_ptr<Preferences> preferences;
    QString curlPath;
    FakeAlertPanel alerts;
    FakeFolderPanel folders;
    FakeKeychain keychain;
    FakeSystemLog log;
    FakeTrash trash;
    int quits = 0;
    std::unique_ptr<DodOvozaController> controller;
};

} // namespace tavrel::test
