#include "brevio/tools/options/PSK31PageRxTx.h"

#include "brevio/core/FontDescription.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/tools/options/OptionsLogic.h"
#include "shared/ui/BaseDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const CPSK31PageRxTx::Segment kSegments[] = {
    {CPSK31PageRxTx::kTitle, "Rx>\n"},
    {CPSK31PageRxTx::kReceived, "CQ CQ CQ de DL1XYZ DL1XYZ DL1XYZ\n"},
    {CPSK31PageRxTx::kReceived, "CQ CQ CQ de DL1XYZ DL1XYZ DL1XYZ\n"},
    {CPSK31PageRxTx::kReceived, "CQ CQ CQ de DL1XYZ DL1XYZ DL1XYZ pse k\n"},
    {CPSK31PageRxTx::kTitle, "Tx>\n"},
    {CPSK31PageRxTx::kSent, "DL1XYZ DL1XYZ de G0XYZ G0XYZ k\n"},
    {CPSK31PageRxTx::kTitle, "Rx>\n"},
    {CPSK31PageRxTx::kReceived, "G0XYZ G0XYZ de DL1XYZ DL1XYZ\n"},
    {CPSK31PageRxTx::kReceived, "Thanks for the call, you are 599 here in Bremen. "},
    {CPSK31PageRxTx::kReceived, "My name is Hans, the weather is cloudy and the temperature is 12 C. "},
    {CPSK31PageRxTx::kReceived, "How do you copy OM? G0XYZ de DL1XYZ k\n"},
    {CPSK31PageRxTx::kTitle, "Tx>\n"},
    {CPSK31PageRxTx::kSent, "DL1XYZ DL1XYZ de G0XYZ G0XYZ\n"},
    {CPSK31PageRxTx::kSent, "Thanks for the report Hans, you are 599 too. "},
    {CPSK31PageRxTx::kSent, "My name is Peter and my home town is York, where it is sunny today. "},
    {CPSK31PageRxTx::kSent, "The temperature is 15 C and the rig is an FT-817 at 5 watts..."},
};

QColor ToColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

} // namespace

const CPSK31PageRxTx::Segment* CPSK31PageRxTx::SampleSegments(int& nCount)
{
    nCount = int(std::size(kSegments));
    return kSegments;
}

void CPSK31PageRxTx::BuildPreview(QTextDocument* pDocument, const RxTxPreviewStyle& style, int nDpiX)
{
    pDocument->clear();
    QTextCursor cursor(pDocument);
    const double indent = double(kIndentTwips) * nDpiX / 1440.0;
    for (const Segment& segment : kSegments) {
        COLORREF colour = style.colTitle;
        const QString* font = &style.strFontTitle;
        if (segment.kind == kReceived) {
            colour = style.colRx;
            font = &style.strFontRx;
        } else if (segment.kind == kSent) {
            colour = style.colTx;
            font = &style.strFontTx;
        }
        cursor.movePosition(QTextCursor::End);
        QTextBlockFormat block = cursor.blockFormat();
        block.setLeftMargin(segment.kind == kTitle ? 0.0 : indent);
        cursor.setBlockFormat(block);
        const CFontDescription description(*font);
        QTextCharFormat format;
        format.setForeground(ToColor(colour));
        format.setFontFamilies({description.GetFace()});
        if (description.GetSize() > 0)
            format.setFontPointSize(description.GetSize());
        format.setFontWeight(description.IsBold() ? QFont::Bold : QFont::Normal);
        format.setFontItalic(description.IsItalic());
        cursor.insertText(QString::fromLatin1(segment.text), format);
    }
}

CPSK31PageRxTx::CPSK31PageRxTx(QWidget* parent) : CPSK31OptionsPage(IDD, QStringLiteral("Tx/Rx Layout"), parent)
{
    m_pPreview = new QTextEdit(this);
    SetDlgCtrlID(m_pPreview, IDC_PREVIEW);
    m_pPreview->setReadOnly(true);
    m_pPreview->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pPreview->setMinimumHeight(140);

    auto colourButton = [this](QWidget* pParent, unsigned nId, COLORREF RxTxPreviewStyle::*member) {
        QPushButton* button = MakeButton(pParent, QStringLiteral("Colour"), nId);
        connect(button, &QPushButton::clicked, this, [this, member] { OnColour(m_style.*member); });
        return button;
    };
    auto fontButton = [this](QWidget* pParent, unsigned nId, QString RxTxPreviewStyle::*member) {
        QPushButton* button = MakeButton(pParent, QStringLiteral("Font"), nId);
        connect(button, &QPushButton::clicked, this, [this, member] { OnFont(m_style.*member); });
        return button;
    };
    QGroupBox* background = MakeGroup(this, QStringLiteral("Background"));
    (new QVBoxLayout(background))->addWidget(colourButton(background, IDC_BACKGROUND, &RxTxPreviewStyle::colBackground));
    auto makePair = [&](const QString& title, unsigned nColour, COLORREF RxTxPreviewStyle::*colour, unsigned nFont,
                        QString RxTxPreviewStyle::*font) {
        QGroupBox* group = MakeGroup(this, title);
        auto* layout = new QVBoxLayout(group);
        layout->addWidget(colourButton(group, nColour, colour));
        layout->addWidget(fontButton(group, nFont, font));
        return group;
    };
    QGroupBox* title = makePair(QStringLiteral("Title"), IDC_TITLE_COLOUR, &RxTxPreviewStyle::colTitle,
                                IDC_TITLE_FONT, &RxTxPreviewStyle::strFontTitle);
    QGroupBox* rx = makePair(QStringLiteral("Rx Text"), IDC_RX_COLOUR, &RxTxPreviewStyle::colRx, IDC_RX_FONT,
                             &RxTxPreviewStyle::strFontRx);
    QGroupBox* tx = makePair(QStringLiteral("Tx Text"), IDC_TX_COLOUR, &RxTxPreviewStyle::colTx, IDC_TX_FONT,
                             &RxTxPreviewStyle::strFontTx);

    QGroupBox* sent = MakeGroup(this, QStringLiteral("Sent Text"));
    auto* sentLayout = new QVBoxLayout(sent);
    const char* const styles[] = {"&Bold", "&Italic", "&Strikethrough", "&Underline"};
    for (int i = 0; i < 4; ++i) {
        m_pSent[i] = MakeCheck(sent, QString::fromLatin1(styles[i]), IDC_SENT_BOLD + i);
        sentLayout->addWidget(m_pSent[i]);
    }

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_pPreview, 0, 0, 1, 5);
    layout->addWidget(background, 1, 0, Qt::AlignTop);
    layout->addWidget(title, 1, 1, Qt::AlignTop);
    layout->addWidget(rx, 1, 2, Qt::AlignTop);
    layout->addWidget(tx, 1, 3, Qt::AlignTop);
    layout->addWidget(sent, 1, 4, Qt::AlignTop);
    layout->setRowStretch(0, 1);

    CPSK31Settings defaults;
    defaults.SetDefaults();
    m_style.colBackground = COLORREF(defaults.m_colRxBg);
    m_style.colTitle = COLORREF(defaults.m_colRxTi);
    m_style.colRx = COLORREF(defaults.m_colRxRx);
    m_style.colTx = COLORREF(defaults.m_colRxTx);
    m_style.strFontTitle = defaults.m_strFontRxTi;
    m_style.strFontRx = defaults.m_strFontRxRx;
    m_style.strFontTx = defaults.m_strFontRxTx;
    RebuildPreview();
}

CPSK31PageRxTx::~CPSK31PageRxTx() = default;

void CPSK31PageRxTx::GetTopicLines(QStringList& lines) const
{
    lines << QStringLiteral("Colours") << QStringLiteral("Fonts");
}

void CPSK31PageRxTx::DoDataExchange(bool bSaveAndValidate)
{
    for (int i = 0; i < 4; ++i) {
        if (bSaveAndValidate)
            m_bSent[i] = m_pSent[i]->isChecked();
        else
            SetChecked(m_pSent[i], m_bSent[i]);
    }
}

void CPSK31PageRxTx::RebuildPreview()
{
    QPalette palette = m_pPreview->palette();
    palette.setColor(QPalette::Base, ToColor(m_style.colBackground));
    m_pPreview->setPalette(palette);
    BuildPreview(m_pPreview->document(), m_style, m_pPreview->logicalDpiX());
    m_pPreview->moveCursor(QTextCursor::Start);
}

void CPSK31PageRxTx::LoadFromSettings(CPSK31Settings& settings)
{
    m_style.colBackground = COLORREF(settings.m_colRxBg);
    m_style.colTitle = COLORREF(settings.m_colRxTi);
    m_style.colRx = COLORREF(settings.m_colRxRx);
    m_style.colTx = COLORREF(settings.m_colRxTx);
    m_style.strFontTitle = settings.m_strFontRxTi;
    m_style.strFontRx = settings.m_strFontRxRx;
    m_style.strFontTx = settings.m_strFontRxTx;
    m_bSent[0] = settings.IsSentTextBold();
    m_bSent[1] = settings.IsSentTextItalic();
    m_bSent[2] = settings.IsSentTextStrikeout();
    m_bSent[3] = settings.IsSentTextUnderline();
    UpdateData(false);
    RebuildPreview();
}

void CPSK31PageRxTx::StoreToSettings(CPSK31Settings& settings)
{
    UpdateData(true);
    settings.m_colRxBg = int(m_style.colBackground);
    settings.m_colRxTi = int(m_style.colTitle);
    settings.m_colRxRx = int(m_style.colRx);
    settings.m_colRxTx = int(m_style.colTx);
    settings.m_strFontRxTi = m_style.strFontTitle;
    settings.m_strFontRxRx = m_style.strFontRx;
    settings.m_strFontRxTx = m_style.strFontTx;
    settings.m_nSentText = PskOptions::SentTextBits(m_bSent[0], m_bSent[1], m_bSent[2], m_bSent[3]);
}

void CPSK31PageRxTx::OnColour(COLORREF& colour)
{
    if (!ChooseColour(colour))
        return;
    RebuildPreview();
    NotifyOptionChanged();
}

void CPSK31PageRxTx::OnFont(QString& strFont)
{
    if (!ChooseFont(strFont))
        return;
    RebuildPreview();
    NotifyOptionChanged();
}
