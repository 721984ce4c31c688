#include "brevio/tools/options/PSK31PageBrowser.h"

#include "brevio/core/PSK31Settings.h"
#include "brevio/tools/options/OptionsLogic.h"
#include "shared/ui/BaseDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

int CPSK31Settings::*const kMembers[CPSK31PageBrowser::kColourCount] = {
    &CPSK31Settings::m_colBrowserChBorder,    &CPSK31Settings::m_colBrowserChInside,
    &CPSK31Settings::m_colBrowserChText,      &CPSK31Settings::m_colBrowserChConnector,
    &CPSK31Settings::m_colBrowserChSignal,    &CPSK31Settings::m_colBrowserChNoSignal,
    &CPSK31Settings::m_colBrowserSeTickNone,  &CPSK31Settings::m_colBrowserSeTickSome,
    &CPSK31Settings::m_colBrowserBackground,
};

} // namespace

CPSK31PageBrowser::CPSK31PageBrowser(QWidget* parent)
    : CPSK31OptionsPage(IDD, QStringLiteral("Super Browser 1"), parent)
{
    const char* const labels[kColourCount] = {"    Colour: border",    "    Colour: inside",
                                              "    Colour: text",      "    Colour: connector",
                                              "    Colour: signal",    "    Colour: no signal",
                                              "    Colour: none",      "    Colour: data",
                                              "Colour"};
    const unsigned ids[kColourCount] = {IDC_CH_BORDER,     IDC_CH_BORDER + 1, IDC_CH_BORDER + 2,
                                        IDC_CH_BORDER + 3, IDC_CH_BORDER + 4, IDC_CH_BORDER + 5,
                                        IDC_TICK_NONE,     IDC_TICK_SOME,     IDC_BACKGROUND};
    QGroupBox* channel = MakeGroup(this, QStringLiteral("Channel"));
    QGroupBox* ticks = MakeGroup(this, QStringLiteral("Searching Ticks"));
    QGroupBox* background = MakeGroup(this, QStringLiteral("Background"));
    for (int i = 0; i < kColourCount; ++i) {
        QWidget* owner = i < 6 ? channel : i < 8 ? ticks : background;
        m_pColourButtons[i] = MakeButton(owner, QString::fromLatin1(labels[i]), ids[i]);
        if (i < 8)
            m_pColourButtons[i]->setStyleSheet(QStringLiteral("text-align: left; padding: 3px 6px;"));
        connect(m_pColourButtons[i], &QPushButton::clicked, this, [this, i] { OnColour(i); });
    }
    QPushButton* font = MakeButton(channel, QStringLiteral("Font"), IDC_FONT);
    connect(font, &QPushButton::clicked, this, [this] {
        if (ChooseFont(m_strFont))
            NotifyOptionChanged();
    });
    auto* channelLayout = new QVBoxLayout(channel);
    for (int i = 0; i < 6; ++i)
        channelLayout->addWidget(m_pColourButtons[i]);
    channelLayout->addWidget(font);
    auto* tickLayout = new QVBoxLayout(ticks);
    tickLayout->addWidget(m_pColourButtons[6]);
    tickLayout->addWidget(m_pColourButtons[7]);
    (new QVBoxLayout(background))->addWidget(m_pColourButtons[8]);

    QGroupBox* newline = MakeGroup(this, QStringLiteral("Newline"));
    m_pNewline = new QLineEdit(newline);
    SetDlgCtrlID(m_pNewline, IDC_NEWLINE);
    m_pNewline->setFixedWidth(60);
    connect(m_pNewline, &QLineEdit::textEdited, this, [this] { NotifyOptionChanged(); });
    auto* newlineLayout = new QHBoxLayout(newline);
    newlineLayout->addWidget(MakeLabel(newline, QStringLiteral("Replace with:")));
    newlineLayout->addWidget(m_pNewline);
    newlineLayout->addStretch(1);

    QPushButton* defaults = MakeButton(this, QStringLiteral("&Restore\ndefaults"), IDC_DEFAULTS);
    connect(defaults, &QPushButton::clicked, this, [this] { OnRestoreDefaults(); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(channel, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(ticks, 0, 1, Qt::AlignTop);
    layout->addWidget(background, 1, 1, Qt::AlignTop);
    layout->addWidget(newline, 2, 1, Qt::AlignTop);
    layout->addWidget(defaults, 3, 1, Qt::AlignRight | Qt::AlignBottom);
    layout->setRowStretch(3, 1);
}

CPSK31PageBrowser::~CPSK31PageBrowser() = default;

void CPSK31PageBrowser::GetTopicLines(QStringList& lines) const
{
    lines << QStringLiteral("Colours") << QStringLiteral("Font");
}

void CPSK31PageBrowser::ShowSwatches()
{
    for (int i = 0; i < kColourCount; ++i) {
        QPixmap swatch(12, 12);
        const COLORREF c = m_colours[i];
        swatch.fill(QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
        QPainter painter(&swatch);
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, 11, 11);
        m_pColourButtons[i]->setIcon(QIcon(swatch));
    }
}

void CPSK31PageBrowser::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_strNewline = m_pNewline->text();
    } else {
        SetText(m_pNewline, m_strNewline);
        ShowSwatches();
    }
}

void CPSK31PageBrowser::LoadFromSettings(CPSK31Settings& settings)
{
    for (int i = 0; i < kColourCount; ++i)
        m_colours[i] = COLORREF(settings.*kMembers[i]);
    m_strFont = settings.m_strBrowserFont;
    m_strNewline = settings.m_strBrowserNewline;
    UpdateData(false);
}

void CPSK31PageBrowser::StoreToSettings(CPSK31Settings& settings)
{
    UpdateData(true);
    m_strNewline = PskOptions::StoredBrowserNewline(m_strNewline);
    for (int i = 0; i < kColourCount; ++i)
        settings.*kMembers[i] = int(m_colours[i]);
    settings.m_strBrowserFont = m_strFont;
    settings.m_strBrowserNewline = m_strNewline;
}

void CPSK31PageBrowser::OnColour(int nIndex)
{
    if (!ChooseColour(m_colours[nIndex]))
        return;
    ShowSwatches();
    NotifyOptionChanged();
}

void CPSK31PageBrowser::OnRestoreDefaults()
{
    CPSK31Settings defaults;
    defaults.SetDefaults();
    LoadFromSettings(defaults);
    NotifyOptionChanged();
}
