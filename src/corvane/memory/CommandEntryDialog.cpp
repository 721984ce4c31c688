#include "corvane/memory/CommandEntryDialog.h"

#include "corvane/core/CatLink.h"
#include "corvane/memory/ToolSupport.h"
#include "platform/Prompter.h"
#include "shared/ui/FitText.h"
#include "shared/FontFactory.h"
#include "shared/MainWindow.h"
#include "shared/Registry.h"
#include "shared/buttons/AnimatedButton.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnListCtrl.h"
#include "shared/ui/RotBevelLine.h"
#include "shared/ui/WaitCursor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>

CCommandEntryDialog::CCommandEntryDialog(QWidget* pParent, CCatLink* pLink)
    : QDialog(pParent), m_pLink(ToolSupport::Link(pLink))
{
    SetDlgCtrlID(this, kTemplateId);
    setWindowTitle(QStringLiteral("Command Entry"));

    m_pAnimation = new CAnimatedButton(this);
    ToolSupport::WarningAnimation(m_pAnimation, this);
    m_pAnimation->setFixedSize(40, 40);
    auto* warning = new QLabel(QStringLiteral("Warning: incorrect use of this option may make your radio unusable, "
                                              "requiring complete recalibration!"),
                               this);
    warning->setWordWrap(true);
    auto* caption = new cdxCRotBevelLine(QStringLiteral("Command (5 bytes)"), this);
    SetDlgCtrlID(caption, 1310);

    auto* bytes = new QGridLayout;
    const CRegistry& registry = GetRegistry();
    for (int i = 0; i < 5; ++i) {
        auto* number = new cdxCRotBevelLine(QString::number(i + 1), this);
        SetDlgCtrlID(number, 1150 + unsigned(i));
        auto* edit = new CFrequencyEdit(this);
        SetDlgCtrlID(edit, kByteIds[i]);
        edit->SetReformat(false);
        edit->UseDisplayFont();
        edit->SetPromptChar(QLatin1Char('0'));
        edit->SetAutoAdvance(true);
        edit->SetMask(QStringLiteral("XX"));
        edit->ClearInput();
        edit->SetInputText(registry.GetDialogString(kTemplateId, kByteIds[i], QStringLiteral("00")), 0, true);
        edit->setMaximumWidth(48);
        m_pBytes[i] = edit;
        bytes->addWidget(number, 0, i);
        bytes->addWidget(edit, 1, i);
    }

    m_pStatus = new QLabel(QStringLiteral("Status"), this);
    SetDlgCtrlID(m_pStatus, IDC_STATUS);
    m_pReply = new COwnListCtrl(this);
    SetDlgCtrlID(m_pReply, IDC_REPLY);
    m_listFont = CFontFactory(GetMainWindow()).CreateCourier10();
    m_pReply->setFont(m_listFont);
    m_pReply->SetColumns({{QStringLiteral("Byte"), LVCFMT_LEFT},
                          {QStringLiteral("Hex"), LVCFMT_LEFT},
                          {QStringLiteral("Bits (7-0)"), LVCFMT_LEFT}});
    m_pReply->AutoSizeColumns();
    m_pReply->setMinimumHeight(160);

    m_pSend = new QPushButton(QStringLiteral("&Send"), this);
    SetDlgCtrlID(m_pSend, IDC_SEND);
    m_pSend->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    cancel->setAutoDefault(false);
    connect(m_pSend, &QPushButton::clicked, this, &CCommandEntryDialog::OnSend);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(m_pAnimation);
    top->addWidget(warning, 1);
    // The status has a line of its own: a long error text wraps there instead
    // of pushing the buttons out of the window.
    m_pStatus->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pSend);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(caption);
    layout->addLayout(bytes);
    layout->addWidget(m_pReply, 1);
    layout->addWidget(m_pStatus);
    layout->addLayout(buttons);
}

CCommandEntryDialog::~CCommandEntryDialog() = default;

int CCommandEntryDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

QString CCommandEntryDialog::GetStatus() const
{
    return m_pStatus->text();
}

bool CCommandEntryDialog::IsRefused(const uint8_t frame[5])
{
    return frame[0] == 0 && frame[1] <= 5 && frame[4] == 0xBC;
}

void CCommandEntryDialog::OnSend()
{
    const CWaitCursor wait;
    const CRegistry& registry = GetRegistry();
    uint8_t frame[5] = {};
    for (int i = 0; i < 5; ++i) {
        const QString text = m_pBytes[i]->text();
        registry.WriteDialogString(kTemplateId, kByteIds[i], text);
        frame[i] = uint8_t(ToolSupport::HexValue(text));
    }

    uint8_t reply[kReplyLimit] = {};
    int count = 0;
    QString status;
    if (IsRefused(frame)) {
        status = QStringLiteral("Error - cannot write to address 0x0000 to 0x0005");
    } else if (!m_pLink || !m_pLink->WriteBytes(frame, 5, QString())) {
        status = QStringLiteral("Send error: %1").arg(QString::fromLocal8Bit(std::strerror(errno ? errno : EIO)));
    } else if (!m_pLink->ReadBytesCount(reply, kReplyLimit, QString(), count)) {
        status = QStringLiteral("Read error: %1").arg(QString::fromLocal8Bit(std::strerror(errno ? errno : EIO)));
        count = 0;
    } else {
        status = QString::asprintf("%d byte(s) returned.", count);
    }

    m_pReply->setUpdatesEnabled(false);
    m_pReply->DeleteAllItems();
    for (int i = 0; i < count; ++i) {
        const int item = m_pReply->InsertItem(i, QString::asprintf("%d", i));
        m_pReply->SetItemText(item, 1, QString::asprintf("%02X", reply[i]));
        m_pReply->SetItemText(item, 2, ToolSupport::BitsText(reply[i]));
    }
    m_pReply->AutoSizeColumns();
    m_pReply->setUpdatesEnabled(true);
    m_pReply->viewport()->update();
    m_pStatus->setText(status);
    GrowToLayout(this);
}
