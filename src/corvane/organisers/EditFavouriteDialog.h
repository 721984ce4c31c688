#pragma once
// "Edit": a favourite's title, frequency, mode and repeater settings inside
// the favourites manager. The title may not be empty, nor taken by another
// favourite; the frequency may not be 0.
#include <QDialog>
#include <QStringList>
#include <cstdint>

class CFavouriteEntry;
class CFrequencyEdit;
class COwnComboBox;
class QCheckBox;
class QLineEdit;

class CEditFavouriteDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 318;
    enum ControlId : unsigned { IDC_TITLE = 1082, IDC_FREQUENCY = 1084, IDC_MODE = 1360, IDC_ENABLE = 1203,
                                IDC_EDIT = 1440 };

    // The entry stays the caller's; titles in use are the ones a new title
    // may not take.
    CEditFavouriteDialog(QWidget* pParent, CFavouriteEntry* pEntry, const QStringList& titlesInUse);
    ~CEditFavouriteDialog() override;

    int DoModal();
    void OnOK();
    void OnEnable();
    void OnEditRepeater();

    QString GetTitle() const { return m_strTitle; }
    uint32_t GetFrequency() const { return m_nFrequency; }
    uint8_t GetMode() const { return m_nMode; }
    QString GetSettings() const { return m_strSettings; }

    QLineEdit* TitleEdit() const { return m_pTitle; }
    CFrequencyEdit* FrequencyEdit() const { return m_pFrequency; }
    COwnComboBox* ModeList() const { return m_pMode; }
    QCheckBox* EnableBox() const { return m_pEnable; }

private:
    void InitControls();

    CFavouriteEntry* m_pEntry;
    QStringList m_titlesInUse;
    QString m_strStartTitle;
    QString m_strTitle;
    uint32_t m_nFrequency = 0;
    uint8_t m_nMode = 0;
    QString m_strSettings;
    QLineEdit* m_pTitle = nullptr;
    CFrequencyEdit* m_pFrequency = nullptr;
    COwnComboBox* m_pMode = nullptr;
    QCheckBox* m_pEnable = nullptr;
};
