#pragma once
// The "Transverter" window: the radio's frequency converted by a chosen
// offset, in large digits, and the two dialogs that keep the list of offsets.
#include "shared/ui/BaseDialog.h"

#include <QImage>
#include <QList>
#include <QStringList>
#include <QWidget>
#include <cstdint>

class COXRoundedButton;
class COwnComboBox;
class COwnListCtrl;
class CColourStatic;
class CFrequencyEdit;
class QPushButton;

// The large digits, in the panel's frequency colours.
class CTransverterFrequencyStatic : public QWidget {
    Q_OBJECT
public:
    explicit CTransverterFrequencyStatic(QWidget* parent = nullptr);
    ~CTransverterFrequencyStatic() override;

    // Recomputes the text; redraws only when it changed.
    void SetValue(uint32_t nRadioHz, uint32_t nOffsetKHz, int nMode);
    const QString& GetText() const { return m_strText; }
    // Reloads and recolours the digit pictures, then redraws.
    void LoadBitmaps();
    int GetRedrawCount() const { return m_nRedraws; }
    // The picture of one character ('.', '0'-'9', ' ' for the gap).
    const QImage& DigitImage(QChar c) const;
    const QImage& GetBuffer() const { return m_buffer; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Redraw();

    QString m_strText;
    QImage m_buffer;
    QList<QImage> m_digits;  // "0"-"9", ".", gap
    int m_nRedraws = 0;
};

class CTransverterDisplay : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 339;
    static constexpr unsigned IDC_FREQUENCY = 1129;
    static constexpr unsigned IDC_OFFSETS = 1404;

    explicit CTransverterDisplay(QWidget* pParent = nullptr);
    ~CTransverterDisplay() override;

    void SetFrequency(uint32_t nHz);
    int GetDisplayMode() const { return m_nDisplay; }
    uint32_t GetOffset() const { return m_nOffset; }
    CTransverterFrequencyStatic* GetFrequencyStatic() const { return m_pFrequency; }
    COXRoundedButton* GetOffsetsButton() const { return m_pOffsets; }

    bool OnInitDialog() override;
    // Enter does not close the window.
    void OnOK() override {}
    // The Offsets button: pick an offset from the list.
    void OnOffsets();
    // Takes a new choice, stores it and shows it.
    void ApplyChoice(int nMode, uint32_t nOffsetKHz);

protected:
    bool event(QEvent* event) override;

private:
    void ApplyColours();
    void StyleButton(bool bWithTooltip);

    COXRoundedButton* m_pOffsets = nullptr;
    CTransverterFrequencyStatic* m_pFrequency = nullptr;
    int m_nDisplay = 0;
    uint32_t m_nFrequency = 0;
    uint32_t m_nOffset = 0;
};

class CTransverterOffsetsDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 340;
    static constexpr unsigned IDC_INSTRUCTION = 1354;
    static constexpr unsigned IDC_EDIT = 1122;
    static constexpr unsigned IDC_LIST = 1078;
    static constexpr unsigned IDC_REMOVE = 1406;
    static constexpr unsigned IDC_ADD = 1405;

    explicit CTransverterOffsetsDialog(QWidget* pParent = nullptr);
    ~CTransverterOffsetsDialog() override;

    bool OnInitDialog() override;
    void OnOK() override;
    void OnAdd();
    void OnEdit();
    void OnRemove();

    int GetMode() const { return m_nMode; }
    uint32_t GetOffset() const { return m_nOffset; }
    COwnListCtrl* GetList() const { return m_pList; }
    QPushButton* GetOkButton() const { return m_pOk; }
    QPushButton* GetEditButton() const { return m_pEdit; }
    QPushButton* GetRemoveButton() const { return m_pRemove; }

    // Where the Add/Edit dialog comes from (tests answer it without a modal loop).
    using OffsetPrompt = std::function<bool(QWidget* parent, int& nMode, QString& strOffset)>;
    static void SetOffsetPrompt(OffsetPrompt prompt);

private:
    void LoadList();
    void SaveList();
    void UpdateButtons();
    bool AskOffset(int& nMode, QString& strOffset);

    CColourStatic* m_pInstruction = nullptr;
    QPushButton* m_pEdit = nullptr;
    QPushButton* m_pCancel = nullptr;
    COwnListCtrl* m_pList = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pRemove = nullptr;
    QPushButton* m_pAdd = nullptr;
    int m_nMode = 0;
    uint32_t m_nOffset = 0;
    QStringList m_strings;
};

class CAddOffsetDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 341;
    static constexpr unsigned IDC_MODE = 1129;
    static constexpr unsigned IDC_OFFSET = 1404;

    // The offset text as the list shows it ("116.000"); empty for none.
    CAddOffsetDialog(QWidget* pParent, int nMode, const QString& strOffset);
    ~CAddOffsetDialog() override;

    bool OnInitDialog() override;
    void OnOK() override;
    int GetMode() const { return m_nMode; }
    uint32_t GetOffset() const { return m_nOffset; }
    COwnComboBox* GetModeCombo() const { return m_pMode; }
    CFrequencyEdit* GetOffsetEdit() const { return m_pOffset; }

private:
    COwnComboBox* m_pMode = nullptr;
    CFrequencyEdit* m_pOffset = nullptr;
    int m_nMode = 0;
    uint32_t m_nOffset = 0;
};
