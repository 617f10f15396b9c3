#include "reportwriter/progress.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace reportwriter {

ProgressDialog::ProgressDialog(QWidget *parent, const QString &caption)
    : m_dialog(std::make_unique<QProgressDialog>(parent))
{
    m_dialog->setWindowTitle(caption.isEmpty() ? QStringLiteral("กำลังเตรียมรายงาน") : caption);
    m_dialog->setLabelText(QStringLiteral("กำลังเตรียมรายงาน..."));
    m_dialog->setCancelButtonText(QStringLiteral("ยกเลิก"));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(500);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
}

ProgressDialog::~ProgressDialog() = default;

bool ProgressDialog::operator()(int done, int total)
{
    if (total > 0) {
        m_dialog->setMaximum(total);
        m_dialog->setValue(qMin(done, total));
    } else {
        m_dialog->setMaximum(0); // busy indicator
        m_dialog->setValue(0);
    }
    QCoreApplication::processEvents();
    return !m_dialog->wasCanceled();
}

} // namespace reportwriter
