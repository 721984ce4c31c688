#include "brevio/core/FullScreenDialog.h"

#include "brevio/core/RegisteredMessages.h"
#include "shared/RegisteredEvent.h"

#include <QPushButton>
#include <QVBoxLayout>

CFullScreenDialog::CFullScreenDialog(QWidget* pMainFrame) : CBaseDialog(IDD, nullptr), m_pMainFrame(pMainFrame)
{
    setWindowTitle(QStringLiteral("Full Screen"));
    auto* layout = new QVBoxLayout(this);
    auto* button = new QPushButton(QStringLiteral("X"), this);
    layout->addWidget(button);
    connect(button, &QPushButton::clicked, this, &QDialog::accept);
}

CFullScreenDialog::~CFullScreenDialog() = default;

void CFullScreenDialog::done(int result)
{
    PostRegisteredMessage(m_pMainFrame, RegisteredMessage::nMsgFullScreen, 0, 0);
    CBaseDialog::done(result);
}
