#include "brevio/display/BrowserToChannel.h"

#include "brevio/core/MacroStore.h"
#include "shared/Registry.h"
#include "shared/artwork/Artwork.h"
#include "shared/ui/OwnListCtrl.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

CBrowserToChannel::CBrowserToChannel(QWidget* pParent) : CBaseDialog(IDD, pParent)
{
    const CRegistry reg;
    m_bAlways = reg.GetBool(QStringLiteral("CBrowserToChannel::m_bAlways"), true);
    m_bErase = reg.GetBool(QStringLiteral("CBrowserToChannel::m_bErase"), true);
    m_nChannel = reg.GetInt(QStringLiteral("CBrowserToChannel::m_nChannel"), 9);
    m_strMacro = reg.GetString(QStringLiteral("CBrowserToChannel::m_strMacro"), QString());

    setWindowTitle(QStringLiteral("Select Channel"));
    resize(380, 330);
    auto* label = new QLabel(QStringLiteral("Macros"), this);
    SetDlgCtrlID(label, 1000);
    label->setGeometry(10, 8, 360, 18);
    m_pList = new COwnListCtrl(this);
    SetDlgCtrlID(m_pList, IDC_LIST);
    m_pList->setGeometry(10, 28, 360, 140);
    for (int n = 0; n < 10; ++n) {
        m_pRadios[n] = new QRadioButton(n < 9 ? QString::number(n + 1) : QStringLiteral("&Next Free"), this);
        SetDlgCtrlID(m_pRadios[n], unsigned(n < 9 ? IDC_FIRST_CHANNEL + n : IDC_NEXT_FREE));
        m_pRadios[n]->setGeometry(n < 9 ? 10 + 36 * n : 10, n < 9 ? 176 : 200, n < 9 ? 34 : 120, 20);
    }
    m_pAlways = new QCheckBox(QStringLiteral("&Always prompt user for tags if a macro is selected"), this);
    SetDlgCtrlID(m_pAlways, IDC_ALWAYS);
    m_pAlways->setGeometry(10, 226, 360, 20);
    m_pErase = new QCheckBox(QStringLiteral("&Erase window contents before loading new text"), this);
    SetDlgCtrlID(m_pErase, IDC_ERASE);
    m_pErase->setGeometry(10, 250, 360, 20);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetDlgCtrlID(ok, 1);
    ok->setGeometry(114, 290, 80, 28);
    m_pLaunch = new QPushButton(QStringLiteral("OK + Macro"), this);
    SetDlgCtrlID(m_pLaunch, IDC_LAUNCH);
    m_pLaunch->setGeometry(202, 290, 86, 28);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, 2);
    cancel->setGeometry(296, 290, 74, 28);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_pLaunch, &QPushButton::clicked, this, &CBrowserToChannel::OnLaunch);
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pList, &QTreeWidget::itemSelectionChanged, this, &CBrowserToChannel::UpdateStates);
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, &CBrowserToChannel::OnLaunch);
    static const DialogGeometry::AnchorRow anchors[] = {
        {1000, 2, 0, 0, 0},      {IDC_LIST, 2, 2, 0, 0}, {IDC_ALWAYS, 0, 0, 0, 2}, {IDC_ERASE, 0, 0, 0, 2},
        {1, 0, 0, 0, 2},         {IDC_LAUNCH, 0, 0, 0, 2}, {2, 0, 0, 0, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CBrowserToChannel::~CBrowserToChannel() = default;

bool CBrowserToChannel::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    const QImage icon = artwork::icon(187);
    if (!icon.isNull())
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    QList<QPixmap> images;
    for (int id : {382, 383}) {
        const QImage image = artwork::bitmap(id);
        // Each picture twice, as the image lists are built: picture k is image 2k.
        const QPixmap pixmap = QPixmap::fromImage(image.isNull() ? QImage(16, 16, QImage::Format_ARGB32) : image);
        images << pixmap << pixmap;
    }
    m_pList->SetImageList(images);
    m_pList->setHeaderHidden(true);
    m_pList->SetColumns({{QStringLiteral("Macro"), LVCFMT_LEFT}});
    for (int i = 0; i < Macros().GetCount(); ++i) {
        const CMacro* macro = Macros().GetAt(i);
        if (macro->IsEnabled())
            m_pList->InsertItem(m_pList->GetItemCount(), macro->GetFullTitle(),
                                (macro->GetFlags() & CMacro::kAlwaysPrompt) ? 2 : 0);
    }
    if (m_pList->GetItemCount() > 0)
        m_pList->SelectItem(0, true);
    for (int r = 0; r < m_pList->GetItemCount(); ++r) {
        if (m_pList->GetItemText(r, 0) == m_strMacro) {
            m_pList->DeselectAll();
            m_pList->SelectItem(r, true);
        }
    }
    m_pAlways->setChecked(m_bAlways);
    m_pErase->setChecked(m_bErase);
    m_pRadios[std::clamp(m_nChannel, 0, 9)]->setChecked(true);
    UpdateStates();
    return true;
}

void CBrowserToChannel::UpdateStates()
{
    const bool selected = m_pList->HasSelection();
    m_pAlways->setEnabled(selected);
    m_pLaunch->setEnabled(selected);
}

void CBrowserToChannel::OnLaunch()
{
    m_bLaunch = true;
    OnOK();
}

void CBrowserToChannel::OnOK()
{
    m_bAlways = m_pAlways->isChecked();
    m_bErase = m_pErase->isChecked();
    for (int n = 0; n < 10; ++n)
        if (m_pRadios[n]->isChecked())
            m_nChannel = n;
    if (m_bLaunch)
        m_strMacro = m_pList->GetSelectedItemText(0);
    const CRegistry reg;
    reg.WriteBool(QStringLiteral("CBrowserToChannel::m_bAlways"), m_bAlways);
    reg.WriteBool(QStringLiteral("CBrowserToChannel::m_bErase"), m_bErase);
    reg.WriteBool(QStringLiteral("CBrowserToChannel::m_bLaunch"), m_bLaunch);
    reg.WriteInt(QStringLiteral("CBrowserToChannel::m_nChannel"), m_nChannel);
    reg.WriteString(QStringLiteral("CBrowserToChannel::m_strMacro"), m_strMacro);
    done(Accepted);
}
