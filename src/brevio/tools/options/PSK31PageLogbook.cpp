#include "brevio/tools/options/PSK31PageLogbook.h"

#include "brevio/core/PSK31Settings.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnFileDialog.h"
#include "shared/ui/PathEllipsis.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CPSK31PageLogbook::CPSK31PageLogbook(QWidget* parent) : CPSK31OptionsPage(IDD, QStringLiteral("Logbook 1"), parent)
{
    QLabel* intro = MakeLabel(this, QStringLiteral("Log entries are added to one or two files in ADIF format. Use "
                                                   "multiple files in case of a systems failure, for example "
                                                   "harddrive and floppy disk or USB memory"));
    intro->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    const char* const groups[] = {"&File #1", "File #2"};
    const char* const enables[] = {"&Enable", "Enable"};
    const char* const includes[] = {"&Include Rx text", "Include Rx text"};
    for (int n = 0; n < 2; ++n) {
        const unsigned base = n == 0 ? IDC_FILE1 : IDC_FILE2;
        QGroupBox* group = MakeGroup(this, QString::fromLatin1(groups[n]));
        m_pFile[n] = new CColourStatic(group);
        SetDlgCtrlID(m_pFile[n], base);
        m_pFile[n]->SetCaptionColours();
        SetPathEllipsis(m_pFile[n]);
        m_pFile[n]->setMinimumHeight(20);
        QPushButton* browse = MakeButton(group, QStringLiteral("..."), base + 1);
        browse->setFixedWidth(30);
        connect(browse, &QPushButton::clicked, this, [this, n] { OnBrowse(n); });
        m_pEnable[n] = MakeCheck(group, QString::fromLatin1(enables[n]), base + 2);
        m_pInclude[n] = MakeCheck(group, QString::fromLatin1(includes[n]), base + 3);
        auto* grid = new QGridLayout(group);
        grid->addWidget(m_pFile[n], 0, 0, 1, 2);
        grid->addWidget(browse, 0, 2);
        grid->addWidget(m_pEnable[n], 1, 0);
        grid->addWidget(m_pInclude[n], 1, 1);
        grid->setColumnStretch(1, 1);
        layout->addWidget(group);
    }
    m_pConfirm = MakeCheck(this, QStringLiteral("&Confirm entry before adding to logbook"), IDC_CONFIRM);
    layout->addWidget(m_pConfirm);
    layout->addStretch(1);
}

CPSK31PageLogbook::~CPSK31PageLogbook() = default;

void CPSK31PageLogbook::GetTopicLines(QStringList& lines) const
{
    lines << QStringLiteral("Filenames") << QStringLiteral("@Enable") << QStringLiteral("@Include Rx text")
          << QStringLiteral("Confirm");
}

void CPSK31PageLogbook::DoDataExchange(bool bSaveAndValidate)
{
    for (int n = 0; n < 2; ++n) {
        if (bSaveAndValidate) {
            m_strFile[n] = m_pFile[n]->text();
            m_bEnable[n] = m_pEnable[n]->isChecked();
            m_bInclude[n] = m_pInclude[n]->isChecked();
        } else {
            m_pFile[n]->setText(m_strFile[n]);
            SetChecked(m_pEnable[n], m_bEnable[n]);
            SetChecked(m_pInclude[n], m_bInclude[n]);
        }
    }
    if (bSaveAndValidate)
        m_bConfirm = m_pConfirm->isChecked();
    else
        SetChecked(m_pConfirm, m_bConfirm);
}

void CPSK31PageLogbook::LoadFromSettings(CPSK31Settings& settings)
{
    m_strFile[0] = settings.m_strLogbookFile1;
    m_strFile[1] = settings.m_strLogbookFile2;
    m_bEnable[0] = settings.m_bLogbookEnable1;
    m_bEnable[1] = settings.m_bLogbookEnable2;
    m_bInclude[0] = settings.m_bLogbookInclude1;
    m_bInclude[1] = settings.m_bLogbookInclude2;
    m_bConfirm = settings.m_bLogbookConfirm;
    UpdateData(false);
}

void CPSK31PageLogbook::StoreToSettings(CPSK31Settings& settings)
{
    UpdateData(true);
    settings.m_strLogbookFile1 = m_strFile[0];
    settings.m_strLogbookFile2 = m_strFile[1];
    settings.m_bLogbookEnable1 = m_bEnable[0];
    settings.m_bLogbookEnable2 = m_bEnable[1];
    settings.m_bLogbookInclude1 = m_bInclude[0];
    settings.m_bLogbookInclude2 = m_bInclude[1];
    settings.m_bLogbookConfirm = m_bConfirm;
}

void CPSK31PageLogbook::OnBrowse(int nFile)
{
    UpdateData(true);
    // Only the name is taken: the file is opened when an entry is added.
    QString path = m_strFile[nFile];
    if (!ChooseAdifFileToSave(this, path,
                              nFile == 0 ? QStringLiteral("Logbook File #1") : QStringLiteral("Logbook File #2")))
        return;
    m_strFile[nFile] = path;
    UpdateData(false);
    NotifyOptionChanged();
}
