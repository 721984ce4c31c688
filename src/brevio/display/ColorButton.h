#pragma once
// A push button that shows a colour and drops down the colour popup when
// clicked. It tells its parent everything through notify(): the message
// (ColourSelChange and the rest), the colour concerned and its control id.
#include "shared/WinTypes.h"

#include <QPointer>
#include <QPushButton>

class CColorPopup;

// The automatic colour: the button then shows its automatic colour.
inline constexpr COLORREF CLR_DEFAULT = 0xFF000000u;

class CColorButton : public QPushButton {
    Q_OBJECT
public:
    enum : unsigned {
        ColourSelChange = 2025,
        ColourDropDown = 2026,
        ColourCloseUp = 2027,
        ColourSelEndOk = 2028,
        ColourSelEndCancel = 2029,
    };

    explicit CColorButton(QWidget* parent = nullptr);
    ~CColorButton() override;

    COLORREF GetColor() const { return m_colour; }
    void SetColor(COLORREF colour);
    COLORREF GetDefaultColor() const { return m_colDefault; }
    void SetDefaultColor(COLORREF colour);
    void SetDefaultText(const QString& strText) { m_strDefaultText = strText; }
    void SetCustomText(const QString& strText) { m_strCustomText = strText; }
    bool GetTrackSelection() const { return m_bTrackSelection; }
    void SetTrackSelection(bool bTrack) { m_bTrackSelection = bTrack; }
    // The colour as shown: the automatic colour stands for CLR_DEFAULT.
    COLORREF GetShownColor() const { return m_colour == CLR_DEFAULT ? m_colDefault : m_colour; }

    bool IsPopupOpen() const { return m_bPopupOpen; }
    CColorPopup* GetPopup() const;
    // What the popup reports to its button.
    void OnPopupNotify(unsigned nMessage, COLORREF colour);

signals:
    void notify(unsigned nMessage, COLORREF colour, int nControlId);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OnClicked();
    void Notify(unsigned nMessage, COLORREF colour);

    COLORREF m_colour = CLR_DEFAULT;
    COLORREF m_colDefault;
    QString m_strDefaultText = QStringLiteral("Automatic");
    QString m_strCustomText = QStringLiteral("More Colors...");
    bool m_bPopupOpen = false;
    bool m_bTrackSelection = false;
    QPointer<CColorPopup> m_pPopup;
};
