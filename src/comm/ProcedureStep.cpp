#include "ProcedureStep.h"

#include "comm/CommunicationRun.h"
#include "comm/ProcedureTask.h"
#include "store/DataFolder.h"
#include "store/UiTexts.h"

#include <QFileInfo>

namespace tavrel {

namespace {

QString runningStatus(const QString& path)
{
    return QFileInfo(path).fileName() + u' ' + uiText(u"StatusJikkoutyuu");
}

} // namespace

ProcedureStep::ProcedureStep(CommunicationRun& run)
    : m_run(run)
{}

void ProcedureStep::runBeforeProcedure(const std::function<void()>& next)
{
    const QString path = m_run.runData().beforePath;
    if (path.isEmpty()) {
        next();
        return;
    }
    m_run.showStatus(runningStatus(path));
    m_run.startTask(std::make_unique<ProcedureTask>(path), m_run.collaborators().dataFolder.tmpPath(), {},
                    QString(), [this, next](int exitStatus) {
                        if (exitStatus != 0 || m_run.isStopped()) {
                            m_run.endRunWithAlert(u"RunBeforeDownloadErrorAlertTitle",
                                                  u"RunBeforeDownloadErrorAlertMessage");
                            return;
                        }
                        next();
                    });
}

void ProcedureStep::runAfterProcedure(const std::function<void()>& next)
{
    const QString path = m_run.runData().afterPath;
    if (!path.isEmpty()) {
        m_run.showStatus(runningStatus(path));
        ProcedureTask::runAndWait(path, m_run.collaborators().dataFolder.tmpPath());
    }
    next();
}

} // namespace tavrel
