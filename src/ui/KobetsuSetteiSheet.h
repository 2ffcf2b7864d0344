#pragma once

// The per-board settings sheet: expiry deletion and its age in days, the last message number
// the next receive continues from, and the forum and board names.

#include "app/KobetsuKaigishitsuSettei.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace tavrel {

class KobetsuSetteiSheet : public QDialog
{
    Q_OBJECT

public:
    explicit KobetsuSetteiSheet(QWidget* parent = nullptr);

    void setValues(const KobetsuKaigishitsuSettei::Values& values);
    KobetsuKaigishitsuSettei::Values values() const;

private:
    QCheckBox* m_sakujoCheck;
    QLineEdit* m_daysText;
    QSpinBox* m_daysStepper;
    QLineEdit* m_lastMesNoText;
    QLineEdit* m_forumNameText;
    QLineEdit* m_boardNameText;
};

} // namespace tavrel
