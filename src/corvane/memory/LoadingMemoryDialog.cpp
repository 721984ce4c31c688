#include "corvane/memory/LoadingMemoryDialog.h"

#include "corvane/core/MemoryChannelList.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/memory/BarMeterProgress.h"
#include "corvane/memory/MemoryTransfer.h"
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/BaseDialog.h"

#include <QApplication>
#include <QVBoxLayout>

namespace {
class Progress : public CBarMeterProgress {
public:
    Progress(CBarMeter* bar, QStringList& history) : CBarMeterProgress(bar), m_history(history) {}
    void SetText(const QString& text) override
    {
        m_history << text;
        CBarMeterProgress::SetText(text);
    }

private:
    QStringList& m_history;
};
} // namespace

CLoadingMemoryDialog::CLoadingMemoryDialog(QWidget* pParent, CRadioMemoryList* pList)
    : QDialog(pParent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_pList(pList ? pList : (GetRadioApp() ? &GetRadioApp()->GetMemoryList() : nullptr))
{
    SetDlgCtrlID(this, kTemplateId);
    setWindowTitle(QStringLiteral("Loading Memory"));
    m_pProgress = new CBarMeter(this);
    SetDlgCtrlID(m_pProgress, IDC_PROGRESS);
    m_pProgress->setMinimumSize(320, 22);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pProgress);
    m_pProgress->SetRange(0, m_pList ? m_pList->GetCount() : 0);
    m_pProgress->SetShowText(true);
}

CLoadingMemoryDialog::~CLoadingMemoryDialog() = default;

int CLoadingMemoryDialog::DoModal()
{
    exec();
    return m_bLoaded ? platform::IDOK : platform::IDCANCEL;
}

void CLoadingMemoryDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_bInitialised) {
        m_bInitialised = true;
        PostRegisteredMessage(this, RegisteredMessage::nMsgInitialise);
    }
}

bool CLoadingMemoryDialog::event(QEvent* event)
{
    if (CRegisteredEvent::As(event, RegisteredMessage::nMsgInitialise)) {
        OnInitialise();
        return true;
    }
    return QDialog::event(event);
}

void CLoadingMemoryDialog::OnInitialise()
{
    if (m_pList) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        repaint();
        Progress progress(m_pProgress, m_history);
        m_bLoaded = CMemoryTransfer::LoadAll(*m_pList, false, &progress);
        QApplication::restoreOverrideCursor();
        if (!CMemoryTransfer::BitmapRead()) {
            platform::messageBox(this,
                                 QStringLiteral("The FT-817 did not answer while its memory channel map was read.\n \n") +
                                     QStringLiteral("The memory channels shown are those read before."),
                                 QStringLiteral("Loading Memory"), platform::MB_ICONERROR);
        } else if (!m_bLoaded) {
            platform::messageBox(this,
                                 QStringLiteral("These memory channels could not be read from the FT-817: %1.")
                                     .arg(CMemoryTransfer::FailedChannelNames()),
                                 QStringLiteral("Loading Memory"), platform::MB_ICONERROR);
        }
    }
    // Closed as the window's own close, after this message has been handled.
    QMetaObject::invokeMethod(this, "close", Qt::QueuedConnection);
}
