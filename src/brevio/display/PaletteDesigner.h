#pragma once
// "Palette Editor": the waterfall palette designed as a gradient, watched on
// an animated flame and handed to the settings' 256-entry waterfall table.
// The gradient is kept in the registry between runs; definition files can
// be loaded and saved, and the palette exported as a PAL file. OK keeps the
// applied table (saved and announced), Cancel puts back the table the
// dialog found.
#include "brevio/display/PaletteFile.h"
#include "shared/WinTypes.h"

#include <QBasicTimer>
#include <QDialog>
#include <array>

class CColorButton;
class CGradientCtrl;
class COXBitmapButton;
class CPalettePreview;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class CPaletteDesigner : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 189;
    enum : unsigned {
        IDC_GRADIENT = 1020,
        IDC_PREVIEW = 1016,
        IDC_NEW_POSITION = 1004,
        IDC_NEW_POSITION_SPIN = 1511,
        IDC_NEW_COLOUR = 1005,
        IDC_ADD = 1002,
        IDC_SELECTION = 1008,
        IDC_SELECTION_LABEL = 1130,
        IDC_SELECTION_POSITION = 1006,
        IDC_SELECTION_COLOUR = 1007,
        IDC_DELETE = 1012,
        IDC_LOAD = 1129,
        IDC_SAVE = 1083,
        IDC_CREATE_PAL = 1137,
        IDC_RESTORE_DEFAULT = 1136,
        IDC_APPLY_NOW = 1125,
        IDC_APPLY = 1121,
        IDC_OK = 1,
        IDC_CANCEL = 2,
    };
    static constexpr int kBlinkTimer = 100;
    static constexpr int kBlinkPeriod = 500;

    static QString ApplyNowValue() { return QStringLiteral("CPaletteDesigner::m_bApplyNow"); }
    static QString PegColoursValue() { return QStringLiteral("CPaletteDesigner::PegColours"); }
    static QString PegPositionsValue() { return QStringLiteral("CPaletteDesigner::PegPositions"); }

    explicit CPaletteDesigner(QWidget* pParent);
    ~CPaletteDesigner() override;

    int DoModal();
    QWidget* GetDlgItem(unsigned nId) const;
    CGradientCtrl* GetGradientCtrl() const { return m_pGradient; }
    CPalettePreview* GetPreview() const { return m_pPreview; }
    CColorButton* GetNewColourButton() const { return m_pNewColour; }
    CColorButton* GetSelectionColourButton() const { return m_pSelColour; }
    const std::array<COLORREF, 256>& GetSavedTable() const { return m_savedTable; }
    bool IsApplyNow() const { return m_bApplyNow; }
    // The position shown for new pegs (0 at the bottom of the strip).
    int GetNewPegPosition() const;
    void SetNewPegPosition(int nPosition);
    // The selection's position as shown (-1 for an end).
    QString GetSelectionPositionText() const;

    // The dialog's actions, as its buttons run them.
    void OnInitDialog();
    void OnApplyNowChanged();
    void Apply();
    void UpdatePreview();
    void OnAdd();
    void OnDelete();
    void OnLoad();
    void OnSave();
    void OnCreatePalFile();
    void OnRestoreDefault();
    void OnTimer();
    void OnOK();
    void OnCancel();
    // Replaces the gradient with colour and position pairs, as the registry
    // and the definition files hold them.
    void LoadArrays(const CPaletteFile::Entries& entries);
    // The registry's gradient (the default one when it holds fewer than two pairs).
    static CPaletteFile::Entries ReadRegistryArrays();
    void WriteRegistryArrays() const;

protected:
    void showEvent(QShowEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }

private:
    void BuildControls();
    void OnGradientNotify(unsigned nMessage, intptr_t wParam, intptr_t lParam);
    void OnColourNotify(unsigned nMessage);
    void OnSelectionChanged();
    void EnableSelectionControls(bool bAny, bool bPeg);
    void ApplyIfNow();
    void AfterChange();
    // The colour a button shows: its automatic colour stands for "Automatic".
    static COLORREF ChosenColour(const CColorButton* pButton);

    std::array<COLORREF, 256> m_savedTable{};
    bool m_bApplyNow = true;
    bool m_bInitialised = false;
    int m_nBlinkPhase = 0;
    QBasicTimer m_blinkTimer;

    CGradientCtrl* m_pGradient = nullptr;
    CPalettePreview* m_pPreview = nullptr;
    QSpinBox* m_pNewPosition = nullptr;
    CColorButton* m_pNewColour = nullptr;
    COXBitmapButton* m_pAdd = nullptr;
    QGroupBox* m_pSelection = nullptr;
    QLabel* m_pSelectionLabel = nullptr;
    QLineEdit* m_pSelPosition = nullptr;
    CColorButton* m_pSelColour = nullptr;
    COXBitmapButton* m_pDelete = nullptr;
    QCheckBox* m_pApplyNow = nullptr;
    QPushButton* m_pApply = nullptr;
};
