#include "corvane/memory/ToolSupport.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/RadioApp.h"
#include "shared/artwork/Artwork.h"
#include "shared/buttons/AnimatedButton.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/ColourStatic.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>

namespace ToolSupport {

CCatLink* Link(CCatLink* pLink)
{
    if (pLink)
        return pLink;
    CRadioApp* app = GetRadioApp();
    return app ? &app->GetCatLink() : nullptr;
}

COXBitmapButton* BitmapButton(QWidget* pParent, unsigned nId, const QString& strText, int nBitmapId)
{
    auto* button = new COXBitmapButton(pParent);
    SetDlgCtrlID(button, nId);
    button->LoadBitmapResource(nBitmapId, false, RGB(255, 0, 0));
    button->SetButtonText(strText);
    button->SetPseudoDisabled(true);
    return button;
}

void WarningAnimation(CAnimatedButton* pButton, QWidget* pParent)
{
    constexpr int kStrip = 263;
    // The strip's frames are square, side by side: its width over its
    // height is the number of frames.
    const QImage strip = artwork::bitmap(kStrip);
    const int frames = strip.height() > 0 ? std::max(1, strip.width() / strip.height()) : 1;
    pButton->Create(1201, pParent, kStrip, 0, 6, frames);
    pButton->setFlat(true);
    pButton->setFocusPolicy(Qt::NoFocus);
}

void Highlight(CColourStatic* pStatic)
{
    const QPalette p = QApplication::palette();
    pStatic->SetColours(fromQColor(p.color(QPalette::Highlight)), fromQColor(p.color(QPalette::HighlightedText)));
}

void ButtonColours(CColourStatic* pStatic)
{
    const QPalette p = QApplication::palette();
    pStatic->SetColours(fromQColor(p.color(QPalette::Button)), fromQColor(p.color(QPalette::ButtonText)));
}

uint32_t HexValue(const QString& strText)
{
    QString text = strText.trimmed();
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        text = text.mid(2);
    uint32_t value = 0;
    for (const QChar c : std::as_const(text)) {
        const int digit = c.isDigit() ? c.unicode() - '0'
                          : (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ? c.unicode() - 'a' + 10
                          : (c >= QLatin1Char('A') && c <= QLatin1Char('F')) ? c.unicode() - 'A' + 10
                                                                             : -1;
        if (digit < 0)
            break;
        value = value * 16 + uint32_t(digit);
    }
    return value;
}

QString BitsText(uint8_t nByte)
{
    QString text;
    for (int bit = 7; bit >= 0; --bit)
        text += (nByte >> bit) & 1 ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

} // namespace ToolSupport
