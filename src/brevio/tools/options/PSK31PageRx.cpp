#include "brevio/tools/options/PSK31PageRx.h"

#include "brevio/core/PSK31Settings.h"
#include "brevio/core/SquelchBar.h"
#include "brevio/tools/options/PSK31PageSignal.h"
#include "shared/ui/BaseDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
QColor ToColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}
} // namespace

CPSK31PageRx::CPSK31PageRx(QWidget* parent)
    : CPSK31OptionsPage(IDD, QStringLiteral("Rx"), parent),
      m_colRx(RGB(64, 64, 0)),
      m_colTx(RGB(0, 0, 0)),
      m_colBackground(RGB(255, 250, 241)),
      m_strFont(QStringLiteral("Courier New,10,0,0"))
{
    QGroupBox* text = MakeGroup(this, QStringLiteral("Text"));
    auto makeSample = [&](unsigned nId) {
        auto* sample = new QTextEdit(text);
        SetDlgCtrlID(sample, nId);
        sample->setReadOnly(true);
        sample->setFixedHeight(40);
        sample->setPlainText(QStringLiteral("CQ CQ CQ de G0XYZ G0XYZ G0XYZ pse k"));
        return sample;
    };
    m_pRxSample = makeSample(IDC_RX_SAMPLE);
    m_pTxSample = makeSample(IDC_TX_SAMPLE);
    const char* const styleTexts[] = {"B", "I", "B", "I"};
    for (int i = 0; i < 4; ++i) {
        m_pStyle[i] = MakeButton(text, QString::fromLatin1(styleTexts[i]), IDC_RX_BOLD + i);
        m_pStyle[i]->setCheckable(true);
        m_pStyle[i]->setFixedWidth(24);
        connect(m_pStyle[i], &QPushButton::clicked, this, [this] {
            UpdateSamples();
            NotifyOptionChanged();
        });
    }
    auto colourButton = [&](const QString& label, unsigned nId, COLORREF* colour) {
        QPushButton* button = MakeButton(text, label, nId);
        connect(button, &QPushButton::clicked, this, [this, colour] {
            if (!ChooseColour(*colour))
                return;
            UpdateSamples();
            NotifyOptionChanged();
        });
        return button;
    };
    QPushButton* font = MakeButton(text, QStringLiteral("&Font"), IDC_FONT);
    connect(font, &QPushButton::clicked, this, [this] {
        if (!ChooseFont(m_strFont))
            return;
        UpdateSamples();
        NotifyOptionChanged();
    });
    auto* textLayout = new QGridLayout(text);
    textLayout->addWidget(new QLabel(QStringLiteral("Rx:"), text), 0, 0);
    textLayout->addWidget(m_pRxSample, 0, 1);
    textLayout->addWidget(m_pStyle[0], 0, 2);
    textLayout->addWidget(m_pStyle[1], 0, 3);
    textLayout->addWidget(new QLabel(QStringLiteral("Tx:"), text), 1, 0);
    textLayout->addWidget(m_pTxSample, 1, 1);
    textLayout->addWidget(m_pStyle[2], 1, 2);
    textLayout->addWidget(m_pStyle[3], 1, 3);
    auto* row = new QHBoxLayout;
    row->addWidget(colourButton(QStringLiteral("&Rx Colour"), IDC_RX_COLOUR, &m_colRx));
    row->addWidget(colourButton(QStringLiteral("&Tx Colour"), IDC_TX_COLOUR, &m_colTx));
    row->addWidget(colourButton(QStringLiteral("&Background"), IDC_TEXT_BACKGROUND, &m_colBackground));
    row->addWidget(font);
    textLayout->addLayout(row, 2, 0, 1, 4);

    QGroupBox* signal = MakeGroup(this, QStringLiteral("Signal / Squelch"));
    m_pSamples = new CSquelchSamples(signal);
    auto* signalLayout = new QHBoxLayout(signal);
    signalLayout->addWidget(m_pSamples);
    auto* buttons = new QVBoxLayout;
    const char* const names[] = {"Background", "Gripper", "Squelched", "Active"};
    for (int i = 0; i < 4; ++i) {
        QPushButton* button = MakeButton(signal, QString::fromLatin1(names[i]), IDC_BAR_BACKGROUND + i);
        connect(button, &QPushButton::clicked, this, [this, i] {
            const CSquelchBar* bar = m_pSamples->GetActiveBar();
            COLORREF colour = i == 0   ? bar->GetBackgroundColour()
                              : i == 1 ? bar->GetGripperColour()
                              : i == 2 ? bar->GetSquelchedColour()
                                       : bar->GetActiveColour();
            if (!ChooseColour(colour))
                return;
            if (i == 0)
                m_pSamples->SetBackgroundColour(colour);
            else if (i == 1)
                m_pSamples->SetGripperColour(colour);
            else if (i == 2)
                m_pSamples->SetSquelchedColour(colour);
            else
                m_pSamples->SetActiveColour(colour);
            NotifyOptionChanged();
        });
        buttons->addWidget(button);
    }
    signalLayout->addLayout(buttons);
    signalLayout->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(signal);
    layout->addStretch(1);
    UpdateSamples();
}

CPSK31PageRx::~CPSK31PageRx() = default;

void CPSK31PageRx::GetTopicLines(QStringList& lines) const
{
    lines << QStringLiteral("Appearance") << QStringLiteral("Signal/Squelch");
}

void CPSK31PageRx::UpdateSamples()
{
    const QFont base = FontFromDescription(m_strFont);
    for (int n = 0; n < 2; ++n) {
        QTextEdit* sample = n == 0 ? m_pRxSample : m_pTxSample;
        QFont font = base;
        font.setBold(m_pStyle[2 * n]->isChecked());
        font.setItalic(m_pStyle[2 * n + 1]->isChecked());
        sample->setFont(font);
        QPalette palette = sample->palette();
        palette.setColor(QPalette::Base, ToColor(m_colBackground));
        palette.setColor(QPalette::Text, ToColor(n == 0 ? m_colRx : m_colTx));
        sample->setPalette(palette);
    }
}

void CPSK31PageRx::LoadFromSettings(CPSK31Settings& settings)
{
    m_pSamples->SetColours(COLORREF(settings.m_colSigActive), COLORREF(settings.m_colSigSquelch),
                           COLORREF(settings.m_colSigGripper), COLORREF(settings.m_colSigBackground));
}

void CPSK31PageRx::StoreToSettings(CPSK31Settings& settings)
{
    const CSquelchBar* bar = m_pSamples->GetActiveBar();
    settings.m_colSigActive = int(bar->GetActiveColour());
    settings.m_colSigSquelch = int(bar->GetSquelchedColour());
    settings.m_colSigGripper = int(bar->GetGripperColour());
    settings.m_colSigBackground = int(bar->GetBackgroundColour());
}

CPSK31PageRx2::CPSK31PageRx2(QWidget* parent) : CPSK31OptionsPage(IDD, QStringLiteral("Rx"), parent)
{
    m_pSlashZero = MakeCheck(this, QStringLiteral("&Slash zero"), IDC_SLASH_ZERO);
    m_pCompressLines = MakeCheck(this, QStringLiteral("Compress  lines"), IDC_COMPRESS_LINES);
    m_pCompressSpaces = MakeCheck(this, QStringLiteral("Compress spaces"), IDC_COMPRESS_SPACES);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pSlashZero);
    layout->addWidget(m_pCompressLines);
    layout->addWidget(m_pCompressSpaces);
    layout->addStretch(1);
}

CPSK31PageRx2::~CPSK31PageRx2() = default;

void CPSK31PageRx2::GetTopicLines(QStringList& lines) const
{
    lines << QStringLiteral("Compress") << QStringLiteral("@Lines/Spaces") << QStringLiteral("Slash zero")
          << QStringLiteral("Squelch speed");
}

void CPSK31PageRx2::LoadFromSettings(CPSK31Settings& settings)
{
    SetChecked(m_pSlashZero, settings.m_bRxSlashZero);
    SetChecked(m_pCompressLines, settings.m_bCompressBlankLines);
    SetChecked(m_pCompressSpaces, settings.m_bCompressSpaces);
}

void CPSK31PageRx2::StoreToSettings(CPSK31Settings& settings)
{
    settings.m_bRxSlashZero = m_pSlashZero->isChecked();
    settings.m_bCompressBlankLines = m_pCompressLines->isChecked();
    settings.m_bCompressSpaces = m_pCompressSpaces->isChecked();
}
