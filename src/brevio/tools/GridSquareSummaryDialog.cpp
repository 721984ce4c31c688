#include "brevio/tools/GridSquareSummaryDialog.h"

#include "brevio/core/MainFrame.h"
#include "shared/artwork/Artwork.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"

#include <QLabel>

CGridSquareSummaryDialog::CGridSquareSummaryDialog(QWidget* pParent) : CBaseDialog(IDD, pParent)
{
    SetNoSizeGrip();
    setModal(false);
    setWindowTitle(QStringLiteral("Grid Square Summary"));
    resize(440, 300);
    auto* maxLabel = new QLabel(QStringLiteral("Max:"), this);
    maxLabel->setGeometry(8, 10, 34, 22);
    m_pMax = new COwnComboBox(this);
    SetDlgCtrlID(m_pMax, IDC_MAX);
    m_pMax->setGeometry(44, 10, 70, 22);
    maxLabel->setBuddy(m_pMax);
    auto* erase = new COXBitmapButton(this);
    SetDlgCtrlID(erase, IDC_ERASE);
    erase->SetButtonText(QStringLiteral("&Erase"));
    erase->setGeometry(124, 6, 84, 30);
    auto* options = new COXBitmapButton(this);
    SetDlgCtrlID(options, IDC_OPTIONS);
    options->SetButtonText(QStringLiteral("&Options"));
    options->setGeometry(214, 6, 90, 30);
    m_pList = new COwnListCtrl(this);
    SetDlgCtrlID(m_pList, IDC_LIST);
    m_pList->setGeometry(8, 42, 424, 250);
    connect(m_pMax, &QComboBox::activated, this, [this] { OnMaxChosen(); });
    connect(erase, &QPushButton::clicked, this, [this] { OnErase(); });
    connect(options, &QPushButton::clicked, this, [this] { OnOptions(); });
    static const DialogGeometry::AnchorRow anchors[] = {{IDC_LIST, 2, 2, 0, 0}};
    SetAnchors(anchors, int(std::size(anchors)));
    // Rows arrive from the first creation on, before the window was shown.
    m_pList->SetColumns({{QStringLiteral("Time"), LVCFMT_LEFT},
                         {QStringLiteral("Frequency"), LVCFMT_LEFT},
                         {QStringLiteral("Locator"), LVCFMT_LEFT},
                         {QStringLiteral("Distance"), LVCFMT_RIGHT},
                         {QStringLiteral("Heading"), LVCFMT_RIGHT}});
    m_pList->SetFullRowSelect();
    for (uint32_t n : {10u, 20u, 50u, 100u, 200u, 500u, 1000u})
        m_pMax->AddItem(QString::number(n), n);
    m_pMax->SelectByData(100);
}

CGridSquareSummaryDialog::~CGridSquareSummaryDialog() = default;

bool CGridSquareSummaryDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    if (auto* erase = qobject_cast<COXBitmapButton*>(GetDlgItem(IDC_ERASE)))
        erase->LoadBitmapResource(377, false, RGB(255, 0, 0));
    if (auto* options = qobject_cast<COXBitmapButton*>(GetDlgItem(IDC_OPTIONS)))
        options->LoadBitmapResource(204, false, RGB(255, 0, 0));
    const QImage icon = artwork::icon(221);
    if (!icon.isNull())
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    m_pList->AutoSizeColumns();
    return true;
}

int CGridSquareSummaryDialog::GetMaximum() const
{
    const uint32_t n = m_pMax->GetSelectedData();
    return n ? int(n) : 100;
}

void CGridSquareSummaryDialog::AddEntry(const QString& strLocator, const QString& strDistance,
                                        const QString& strHeading, const QString& strFrequency)
{
    const QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTime();
    m_pList->setUpdatesEnabled(false);
    m_pList->InsertItem(0, now.toString(QStringLiteral("HH:mm:ss")));
    m_pList->SetItemText(0, ColFrequency, strFrequency);
    m_pList->SetItemText(0, ColLocator, strLocator);
    m_pList->SetItemText(0, ColDistance, strDistance);
    m_pList->SetItemText(0, ColHeading, strHeading);
    m_pList->AutoSizeColumns();
    // One row per locator: the older ones of the same text go.
    for (int row = m_pList->GetItemCount() - 1; row >= 1; --row)
        if (m_pList->GetItemText(row, ColLocator) == strLocator)
            m_pList->DeleteItem(row);
    Trim();
    m_pList->setUpdatesEnabled(true);
}

void CGridSquareSummaryDialog::Trim()
{
    const int max = GetMaximum();
    while (m_pList->GetItemCount() > max)
        m_pList->DeleteItem(m_pList->GetItemCount() - 1);
}

void CGridSquareSummaryDialog::OnMaxChosen()
{
    Trim();
}

void CGridSquareSummaryDialog::OnErase()
{
    m_pList->DeleteAllItems();
}

void CGridSquareSummaryDialog::OnOptions()
{
    if (CMainFrame* frame = GetMainFrame())
        frame->ShowOptionsPage(4);
}
