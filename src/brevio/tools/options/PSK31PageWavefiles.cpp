#include "brevio/tools/options/PSK31PageWavefiles.h"

#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/tools/options/OptionsLogic.h"
#include "shared/RegisteredEvent.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnFileDialog.h"
#include "shared/ui/PathEllipsis.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

CPSK31PageWavefiles::CPSK31PageWavefiles(QWidget* parent)
    : CPSK31OptionsPage(IDD, QStringLiteral("Wave Files"), parent)
{
    auto makeGroup = [&](const QString& title, unsigned nBase, const QString& enable, const QString& second,
                         const QString& number, CColourStatic*& file, QCheckBox*& enableBox, QCheckBox*& secondBox,
                         QLineEdit*& edit, void (CPSK31PageWavefiles::*browse)()) {
        QGroupBox* group = MakeGroup(this, title);
        file = new CColourStatic(group);
        SetDlgCtrlID(file, nBase);
        file->SetCaptionColours();
        SetPathEllipsis(file);
        file->setMinimumHeight(20);
        QPushButton* button = MakeButton(group, QStringLiteral("..."), nBase + 1);
        button->setFixedWidth(30);
        connect(button, &QPushButton::clicked, this, browse);
        enableBox = MakeCheck(group, enable, nBase + 2, false);
        secondBox = MakeCheck(group, second, nBase + 3, false);
        for (QCheckBox* box : {enableBox, secondBox})
            connect(box, &QCheckBox::clicked, this, [this] { EnableApply(); });
        edit = new QLineEdit(group);
        SetDlgCtrlID(edit, nBase + 4);
        edit->setFixedWidth(60);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        connect(edit, &QLineEdit::textEdited, this, [this] { EnableApply(); });
        auto* grid = new QGridLayout(group);
        grid->addWidget(file, 0, 0, 1, 4);
        grid->addWidget(button, 0, 4);
        grid->addWidget(enableBox, 1, 0);
        grid->addWidget(secondBox, 1, 1);
        QLabel* numberLabel = MakeLabel(group, number);
        numberLabel->setBuddy(edit);
        grid->addWidget(numberLabel, 1, 2, Qt::AlignRight);
        grid->addWidget(edit, 1, 3);
        grid->setColumnStretch(1, 1);
        return group;
    };
    QGroupBox* input = makeGroup(QStringLiteral("&Input"), IDC_INPUT_FILE, QStringLiteral("&Enable"),
                                 QStringLiteral("&Repeat"), QStringLiteral("O&ffset (secs):"), m_pInputFile,
                                 m_pInputEnable, m_pInputRepeat, m_pInputOffset, &CPSK31PageWavefiles::OnInputFile);
    QGroupBox* output = makeGroup(QStringLiteral("&Output"), IDC_OUTPUT_FILE, QStringLiteral("E&nable"),
                                  QStringLiteral("&Append"), QStringLiteral("Limit (secs):"), m_pOutputFile,
                                  m_pOutputEnable, m_pOutputAppend, m_pOutputLimit, &CPSK31PageWavefiles::OnOutputFile);
    m_pApply = MakeButton(this, QStringLiteral("&Apply"), IDC_APPLY);
    connect(m_pApply, &QPushButton::clicked, this, [this] { OnApply(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(input);
    layout->addWidget(output);
    layout->addWidget(m_pApply, 0, Qt::AlignRight);
    layout->addStretch(1);
    // Enabled as made; the first load greys it out.
    m_pApply->setEnabled(true);
}

CPSK31PageWavefiles::~CPSK31PageWavefiles() = default;

void CPSK31PageWavefiles::GetTopicLines(QStringList& lines) const
{
    lines << QStringLiteral("Input") << QStringLiteral("Output");
}

void CPSK31PageWavefiles::EnableApply()
{
    m_pApply->setEnabled(true);
}

void CPSK31PageWavefiles::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_strInputFile = m_pInputFile->text();
        m_bInputEnable = m_pInputEnable->isChecked();
        m_bInputRepeat = m_pInputRepeat->isChecked();
        m_strInputOffset = m_pInputOffset->text();
        m_strOutputFile = m_pOutputFile->text();
        m_bOutputEnable = m_pOutputEnable->isChecked();
        m_bOutputAppend = m_pOutputAppend->isChecked();
        m_strOutputLimit = m_pOutputLimit->text();
    } else {
        m_pInputFile->setText(m_strInputFile);
        SetChecked(m_pInputEnable, m_bInputEnable);
        SetChecked(m_pInputRepeat, m_bInputRepeat);
        SetText(m_pInputOffset, m_strInputOffset);
        m_pOutputFile->setText(m_strOutputFile);
        SetChecked(m_pOutputEnable, m_bOutputEnable);
        SetChecked(m_pOutputAppend, m_bOutputAppend);
        SetText(m_pOutputLimit, m_strOutputLimit);
    }
}

void CPSK31PageWavefiles::LoadFromSettings(CPSK31Settings& settings)
{
    m_strInputFile = settings.m_strInputWaveFile;
    m_bInputEnable = settings.m_bInputEnable;
    m_bInputRepeat = settings.m_bInputRepeat;
    m_strInputOffset = QString::number(settings.m_nInputOffset);
    m_strOutputFile = settings.m_strOutputWaveFile;
    m_bOutputEnable = settings.m_bOutputEnable;
    m_bOutputAppend = settings.m_bOutputAppend;
    m_strOutputLimit = QString::number(settings.m_nOutputLimit);
    UpdateData(false);
    m_pApply->setEnabled(false);
}

void CPSK31PageWavefiles::StoreToSettings(CPSK31Settings& settings)
{
    UpdateData(true);
    settings.m_bInputEnable = m_bInputEnable;
    settings.m_nInputOffset = PskOptions::ReadLeadingInt(m_strInputOffset);
    settings.m_bInputRepeat = m_bInputRepeat;
    settings.m_strInputWaveFile = m_strInputFile;
    settings.m_strOutputWaveFile = m_strOutputFile;
    settings.m_bOutputAppend = m_bOutputAppend;
    settings.m_bOutputEnable = m_bOutputEnable;
    settings.m_nOutputLimit = PskOptions::ReadLeadingInt(m_strOutputLimit);
}

void CPSK31PageWavefiles::OnInputFile()
{
    UpdateData(true);
    if (!ChooseWaveFileToOpen(this, m_strInputFile, QStringLiteral("Input File")))
        return;
    UpdateData(false);
    EnableApply();
}

void CPSK31PageWavefiles::OnOutputFile()
{
    UpdateData(true);
    if (!ChooseWaveFileToSave(this, m_strOutputFile, QStringLiteral("Output File")))
        return;
    UpdateData(false);
    EnableApply();
}

void CPSK31PageWavefiles::OnApply()
{
    QObject* sheet = GetSheet();
    if (!sheet)
        sheet = parent();
    PostRegisteredMessage(sheet, RegisteredMessage::nMsgUpdate, 0, 0);
    m_pApply->setEnabled(false);
}
