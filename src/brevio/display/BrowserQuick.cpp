#include "brevio/display/BrowserQuick.h"

#include "brevio/core/MacroStore.h"
#include "shared/Registry.h"
#include "shared/artwork/Artwork.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnComboBox.h"

#include <QCheckBox>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QStringView>

#include <algorithm>

namespace {
// Numbered macros in the order of their numbers ("Macro 2" before "Macro
// 10"), whatever their letter case: runs of digits compare by value, the
// text between them without regard to case.
int TitleOrder(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const bool digitA = a[i].isDigit(), digitB = b[j].isDigit();
        qsizetype endA = i, endB = j;
        while (endA < a.size() && a[endA].isDigit() == digitA)
            ++endA;
        while (endB < b.size() && b[endB].isDigit() == digitB)
            ++endB;
        QStringView runA = QStringView(a).mid(i, endA - i), runB = QStringView(b).mid(j, endB - j);
        int order = 0;
        if (digitA && digitB) {
            while (runA.size() > 1 && runA.front() == QLatin1Char('0'))
                runA = runA.mid(1);
            while (runB.size() > 1 && runB.front() == QLatin1Char('0'))
                runB = runB.mid(1);
            order = runA.size() != runB.size() ? (runA.size() < runB.size() ? -1 : 1) : runA.compare(runB);
        } else {
            order = runA.compare(runB, Qt::CaseInsensitive);
        }
        if (order != 0)
            return order;
        i = endA;
        j = endB;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return a.compare(b);
}
} // namespace

CBrowserQuick::CBrowserQuick(QWidget* pParent) : CBaseDialog(IDD, pParent)
{
    const CRegistry reg;
    m_bErase = reg.GetBool(QStringLiteral("CBrowserQuick::m_bErase"), true);
    m_bMacro = reg.GetBool(QStringLiteral("CBrowserQuick::m_bMacro"), false);
    m_bHisInfo = reg.GetBool(QStringLiteral("CBrowserQuick::m_bHisInfo"), true);
    m_strMacro = reg.GetString(QStringLiteral("CBrowserQuick::m_strMacro"), QString());

    setWindowTitle(QStringLiteral("Select Channel"));
    SetFixedFrame();
    resize(320, 150);
    for (int n = 0; n < 4; ++n) {
        auto* button = new COXBitmapButton(this);
        SetDlgCtrlID(button, unsigned(IDC_CHANNEL1 + n));
        button->setGeometry(10 + 70 * n, 10, 60, 40);
        button->SetButtonText(QString::number(n + 1));
        button->SetToolTipText(QStringLiteral("Channel %1").arg(n + 1));
        button->EnableToolTip(true);
        m_pChannels[n] = button;
        connect(button, &QPushButton::clicked, this, [this, n] { OnChannel(n + 1); });
    }
    m_pErase = new QCheckBox(QStringLiteral("&Erase Tx"), this);
    SetDlgCtrlID(m_pErase, IDC_ERASE);
    m_pErase->setGeometry(10, 58, 130, 20);
    m_pMacro = new QCheckBox(QStringLiteral("&Load macro"), this);
    SetDlgCtrlID(m_pMacro, IDC_MACRO);
    m_pMacro->setGeometry(150, 58, 160, 20);
    m_pList = new COwnComboBox(this);
    SetDlgCtrlID(m_pList, IDC_LIST);
    m_pList->setGeometry(10, 84, 300, 24);
    m_pHisInfo = new QCheckBox(QStringLiteral("Leave <his info> tags empty"), this);
    SetDlgCtrlID(m_pHisInfo, IDC_HIS_INFO);
    m_pHisInfo->setGeometry(10, 114, 226, 20);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, 2);
    cancel->setGeometry(240, 112, 70, 26);
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pErase, &QCheckBox::clicked, this, &CBrowserQuick::OnErase);
    connect(m_pMacro, &QCheckBox::clicked, this, &CBrowserQuick::OnMacro);
    connect(m_pHisInfo, &QCheckBox::clicked, this, &CBrowserQuick::OnHisInfo);
    connect(m_pList, &QComboBox::activated, this, &CBrowserQuick::OnListSelect);
}

CBrowserQuick::~CBrowserQuick() = default;

bool CBrowserQuick::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    const QImage icon = artwork::icon(187);
    if (!icon.isNull())
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    const int images[4] = {210, 729, 730, 731};
    for (int n = 0; n < 4; ++n)
        m_pChannels[n]->LoadBitmapResource(images[n], false, RGB(255, 0, 0));
    m_pErase->setChecked(m_bErase);
    m_pMacro->setChecked(m_bMacro);
    m_pHisInfo->setChecked(m_bHisInfo);
    QStringList titles;
    for (int i = 0; i < Macros().GetCount(); ++i)
        if (Macros().GetAt(i)->IsEnabled())
            titles.append(Macros().GetAt(i)->GetFullTitle());
    std::stable_sort(titles.begin(), titles.end(), [](const QString& a, const QString& b) { return TitleOrder(a, b) < 0; });
    for (const QString& title : titles)
        m_pList->AddItem(title, 0);
    if (!titles.isEmpty()) {
        const int found = m_pList->findText(m_strMacro, Qt::MatchExactly);
        m_pList->SetCurSel(found >= 0 ? found : 0);
    } else {
        m_pMacro->setChecked(false);
        m_pMacro->setEnabled(false);
    }
    m_strMacro = m_pList->currentText();
    UpdateStates();
    return true;
}

void CBrowserQuick::TakeValues()
{
    m_bErase = m_pErase->isChecked();
    m_bMacro = m_pMacro->isChecked();
    m_bHisInfo = m_pHisInfo->isChecked();
    m_strMacro = m_pList->currentText();
}

void CBrowserQuick::UpdateStates()
{
    const bool on = m_pMacro->isChecked();
    m_pList->setEnabled(on);
    m_pHisInfo->setEnabled(on);
}

void CBrowserQuick::OnChannel(int n)
{
    TakeValues();
    m_nChannel = n;
    done(Accepted);
}

void CBrowserQuick::OnErase()
{
    TakeValues();
    CRegistry().WriteBool(QStringLiteral("CBrowserQuick::m_bErase"), m_bErase);
}

void CBrowserQuick::OnMacro()
{
    TakeValues();
    CRegistry().WriteBool(QStringLiteral("CBrowserQuick::m_bMacro"), m_bMacro);
    UpdateStates();
}

void CBrowserQuick::OnHisInfo()
{
    TakeValues();
    CRegistry().WriteBool(QStringLiteral("CBrowserQuick::m_bHisInfo"), m_bHisInfo);
}

void CBrowserQuick::OnListSelect()
{
    m_strMacro = m_pList->currentText();
    CRegistry().WriteString(QStringLiteral("CBrowserQuick::m_strMacro"), m_strMacro);
}
