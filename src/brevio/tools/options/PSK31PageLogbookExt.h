#pragma once
// "Logbook 2": the message that tells an external logbook program, found by
// its window class, that an entry was added; and a code sample of it for
// that program's supplier.
#include "brevio/tools/options/PSK31OptionsPage.h"

class CPSK31PageLogbookExt : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 403;
    static constexpr unsigned IDC_CLASS = 1251;
    static constexpr unsigned IDC_MSG_ID = 1252;
    static constexpr unsigned IDC_LPARAM = 1253;
    static constexpr unsigned IDC_WPARAM = 1254;
    static constexpr unsigned IDC_ENABLE = 1255;
    static constexpr unsigned IDC_SAMPLE = 1256;

    explicit CPSK31PageLogbookExt(QWidget* parent = nullptr);
    ~CPSK31PageLogbookExt() override;

    void GetTopicLines(QStringList& lines) const override;
    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    void DoDataExchange(bool bSaveAndValidate) override;
    // FALSE when a field failed its check (its message was shown).
    bool ExchangeFromControls();
    // "Code &Sample": writes the sample to the temporary folder and opens it.
    void OnCodeSample();
    // Where the sample goes.
    static QString SamplePath();

private:
    // Reads one numeric field; on failure shows the message and puts the
    // keyboard into the field with its text selected.
    bool ExchangeUnsigned(QLineEdit* pEdit, unsigned nMax, int& nValue);

    QLineEdit* m_pClass;
    QLineEdit* m_pMsgId;
    QLineEdit* m_pLParam;
    QLineEdit* m_pWParam;
    QCheckBox* m_pEnable;
    QString m_strClass;
    int m_nMsgId = 0;
    int m_nLParam = 0;
    int m_nWParam = 0;
    int m_bEnable = 0;
    bool m_bExchangeOk = true;
};
