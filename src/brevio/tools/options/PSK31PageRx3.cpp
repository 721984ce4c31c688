#include "brevio/tools/options/PSK31PageRx3.h"

#include "brevio/core/PSK31Settings.h"
#include "brevio/tools/options/OptionsLogic.h"
#include "shared/ui/BaseDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

CPSK31PageRx3::CPSK31PageRx3(QWidget* parent) : CPSK31OptionsPage(IDD, QStringLiteral("Rx"), parent)
{
    auto makeDecay = [this](const QString& title, const QString& note, unsigned nSlider, unsigned nLabel,
                            QSlider*& slider, QLabel*& label) {
        QGroupBox* group = MakeGroup(this, title);
        QLabel* text = MakeLabel(group, note);
        text->setWordWrap(true);
        slider = MakeSlider(group, Qt::Horizontal, nSlider, 1, 120, 10);
        slider->setTickPosition(QSlider::TicksBelow);
        SetSliderPos(slider, 1);
        label = MakeLabel(group, PskOptions::SecondsLabel(1), nLabel);
        label->setMinimumWidth(50);
        connect(slider, &QSlider::valueChanged, this, [this] {
            UpdateLabels();
            NotifyOptionChanged();
        });
        auto* layout = new QVBoxLayout(group);
        layout->addWidget(text);
        auto* row = new QHBoxLayout;
        row->addWidget(slider, 1);
        row->addWidget(label);
        layout->addLayout(row);
        return group;
    };
    QGroupBox* clock = makeDecay(QStringLiteral("Clock Error"),
                                 QStringLiteral("The clock error is only calculated after 10 seconds of continuous "
                                                "open squelch reception. The value below is the interval before the "
                                                "most recently returned value is cleared."),
                                 IDC_CLOCK, IDC_CLOCK_LABEL, m_pClock, m_pClockLabel);
    QGroupBox* imd = makeDecay(QStringLiteral("IMD"),
                               QStringLiteral("The IMD value is only calculated during periods of 'idle' signals. "
                                              "The value below is the interval before the most recently returned "
                                              "value is cleared."),
                               IDC_IMD, IDC_IMD_LABEL, m_pImd, m_pImdLabel);

    QGroupBox* display = MakeGroup(this, QStringLiteral("Display"));
    m_pEmoticons = MakeCheck(display, QStringLiteral("&Emoticons (smileys)"), IDC_EMOTICONS);
    m_pSlashZero = MakeCheck(display, QStringLiteral("&Slash zero"), IDC_SLASH_ZERO);
    m_pCompressLines = MakeCheck(display, QStringLiteral("Compress  lines"), IDC_COMPRESS_LINES);
    m_pCompressSpaces = MakeCheck(display, QStringLiteral("Compress spaces"), IDC_COMPRESS_SPACES);
    auto* displayLayout = new QVBoxLayout(display);
    for (QCheckBox* box : {m_pEmoticons, m_pSlashZero, m_pCompressLines, m_pCompressSpaces})
        displayLayout->addWidget(box);

    QGroupBox* input = MakeGroup(this, QStringLiteral("Input Signal"));
    m_pOverload = MakeCheck(input, QStringLiteral("&Reduce input signal when an overload condition is detected"),
                            IDC_OVERLOAD);
    (new QVBoxLayout(input))->addWidget(m_pOverload);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(clock);
    top->addWidget(imd);
    layout->addLayout(top);
    layout->addWidget(display);
    layout->addWidget(input);
    layout->addStretch(1);
}

CPSK31PageRx3::~CPSK31PageRx3() = default;

void CPSK31PageRx3::GetTopicLines(QStringList& lines) const
{
    lines << QStringLiteral("Clock error") << QStringLiteral("IMD") << QStringLiteral("Emoticons")
          << QStringLiteral("Compress blank lines") << QStringLiteral("Compress spaces")
          << QStringLiteral("Slash zero (\u00d8)");
}

void CPSK31PageRx3::DoDataExchange(bool bSaveAndValidate)
{
    struct Box {
        QCheckBox* box;
        int* value;
    };
    const Box boxes[] = {{m_pEmoticons, &m_bEmoticons},
                         {m_pSlashZero, &m_bSlashZero},
                         {m_pCompressLines, &m_bCompressLines},
                         {m_pCompressSpaces, &m_bCompressSpaces},
                         {m_pOverload, &m_bOverload}};
    if (bSaveAndValidate) {
        m_nClock = m_pClock->value();
        m_nImd = m_pImd->value();
        for (const Box& b : boxes)
            *b.value = b.box->isChecked();
    } else {
        SetSliderPos(m_pClock, m_nClock);
        SetSliderPos(m_pImd, m_nImd);
        for (const Box& b : boxes)
            SetChecked(b.box, *b.value);
    }
}

void CPSK31PageRx3::UpdateLabels()
{
    m_pClockLabel->setText(PskOptions::SecondsLabel(m_pClock->value()));
    m_pImdLabel->setText(PskOptions::SecondsLabel(m_pImd->value()));
}

void CPSK31PageRx3::LoadFromSettings(CPSK31Settings& settings)
{
    m_nClock = settings.m_nDecayClock;
    m_nImd = settings.m_nDecayIMD;
    m_bEmoticons = settings.m_bRxEmoticons;
    m_bSlashZero = settings.m_bRxSlashZero;
    m_bCompressLines = settings.m_bCompressBlankLines;
    m_bCompressSpaces = settings.m_bCompressSpaces;
    m_bOverload = settings.m_bOverloadAdjust;
    UpdateData(false);
    UpdateLabels();
}

void CPSK31PageRx3::StoreToSettings(CPSK31Settings& settings)
{
    UpdateData(true);
    settings.m_nDecayClock = int(int16_t(m_nClock));
    settings.m_nDecayIMD = int(int16_t(m_nImd));
    settings.m_bRxEmoticons = m_bEmoticons;
    settings.m_bRxSlashZero = m_bSlashZero;
    settings.m_bCompressBlankLines = m_bCompressLines;
    settings.m_bCompressSpaces = m_bCompressSpaces;
    settings.m_bOverloadAdjust = m_bOverload;
}
