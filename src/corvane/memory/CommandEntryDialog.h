#pragma once
// "Command Entry": five bytes of one CAT frame typed in hexadecimal, sent
// raw, and every reply byte listed in hexadecimal and as bits. Frames that
// would write the radio's first EEPROM bytes are refused.
#include <QDialog>
#include <QFont>
#include <cstdint>

class CAnimatedButton;
class CCatLink;
class CFrequencyEdit;
class COwnListCtrl;
class QLabel;
class QPushButton;

class CCommandEntryDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 286;
    static constexpr unsigned IDC_STATUS = 1105;
    static constexpr unsigned IDC_REPLY = 1188;
    static constexpr unsigned IDC_SEND = 1121;
    static constexpr unsigned kByteIds[5] = {1311, 1083, 1312, 1085, 1086};
    static constexpr int kReplyLimit = 10;

    // The link defaults to the application's.
    explicit CCommandEntryDialog(QWidget* pParent = nullptr, CCatLink* pLink = nullptr);
    ~CCommandEntryDialog() override;

    int DoModal();
    void OnSend();

    // The frame a send would go out with; FALSE when it is refused (an
    // EEPROM write to 0x0000-0x0005).
    static bool IsRefused(const uint8_t frame[5]);

    CFrequencyEdit* GetByteEdit(int nIndex) const { return m_pBytes[nIndex]; }
    QString GetStatus() const;
    COwnListCtrl* GetReplyList() const { return m_pReply; }
    QPushButton* GetSendButton() const { return m_pSend; }

private:
    CCatLink* m_pLink;
    CFrequencyEdit* m_pBytes[5] = {};
    QLabel* m_pStatus;
    COwnListCtrl* m_pReply;
    QPushButton* m_pSend;
    CAnimatedButton* m_pAnimation;
    QFont m_listFont;
};
