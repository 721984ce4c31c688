#pragma once
// The "Faceplate" page: the front panel's background and text colours on a
// sample that holds the colours being edited.
#include "shared/ui/OptionsPage.h"

class CColourStatic;

class COptionsFaceplate : public COptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 248;
    static constexpr unsigned IDC_BACKGROUND = 1159;
    static constexpr unsigned IDC_TEXT = 1160;
    static constexpr unsigned IDC_PREVIEW = 1165;

    explicit COptionsFaceplate(QWidget* parent = nullptr);
    ~COptionsFaceplate() override;

    void GetKeywords(QStringList& keywords) override;
    void WriteToSettings(CSettings& settings) override;
    void ReadFromSettings(CSettings& settings) override;

    void OnBackground();
    void OnText();
    CColourStatic* GetPreview() const { return m_pPreview; }

private:
    CColourStatic* m_pPreview = nullptr;
};
