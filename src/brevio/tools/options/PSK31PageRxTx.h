#pragma once
// "Tx/Rx Layout": colours and fonts of the receive window's titles,
// received and transmitted text with a live preview, and the style that
// marks text already sent from the transmit window.
#include "brevio/tools/options/PSK31OptionsPage.h"

class QTextDocument;
class QTextEdit;

// The preview's colours and fonts.
struct RxTxPreviewStyle {
    COLORREF colBackground = 0;
    COLORREF colTitle = 0;
    COLORREF colRx = 0;
    COLORREF colTx = 0;
    QString strFontTitle;
    QString strFontRx;
    QString strFontTx;
};

class CPSK31PageRxTx : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 391;
    static constexpr unsigned IDC_PREVIEW = 1301;
    static constexpr unsigned IDC_BACKGROUND = 1302;
    static constexpr unsigned IDC_TITLE_COLOUR = 1303;
    static constexpr unsigned IDC_TITLE_FONT = 1304;
    static constexpr unsigned IDC_RX_COLOUR = 1305;
    static constexpr unsigned IDC_RX_FONT = 1306;
    static constexpr unsigned IDC_TX_COLOUR = 1307;
    static constexpr unsigned IDC_TX_FONT = 1308;
    // "&Bold", "&Italic", "&Strikethrough", "&Underline"
    static constexpr unsigned IDC_SENT_BOLD = 1309;

    // The kinds of the sample's segments.
    enum SegmentKind { kTitle, kReceived, kSent };
    struct Segment {
        SegmentKind kind;
        const char* text;  // "\n" ends a paragraph
    };
    static const Segment* SampleSegments(int& nCount);
    // Paragraph indent of received and sent text, in twips.
    static constexpr int kIndentTwips = 400;
    // Builds the sample contact into a document in the given style.
    static void BuildPreview(QTextDocument* pDocument, const RxTxPreviewStyle& style, int nDpiX);

    explicit CPSK31PageRxTx(QWidget* parent = nullptr);
    ~CPSK31PageRxTx() override;

    void GetTopicLines(QStringList& lines) const override;
    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    void DoDataExchange(bool bSaveAndValidate) override;
    void RebuildPreview();
    QTextEdit* GetPreview() const { return m_pPreview; }

private:
    void OnColour(COLORREF& colour);
    void OnFont(QString& strFont);

    QTextEdit* m_pPreview;
    QCheckBox* m_pSent[4];
    RxTxPreviewStyle m_style;
    int m_bSent[4] = {0, 0, 0, 0};
};
