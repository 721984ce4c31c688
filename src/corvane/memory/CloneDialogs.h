#pragma once
// "Clone - Save to File" copies one EEPROM area of the radio into a clone
// file; "Clone - Load from File" checks such a file whole and writes it back
// into the radio, only the pairs that differ. Both stay open after their
// work, so that more can be saved or a restore repeated.
#include "corvane/memory/CloneFile.h"

#include <QDialog>
#include <functional>

class CBarMeter;
class CCatLink;
class COXBitmapButton;
class QLabel;
class QPushButton;
class QRadioButton;

class CCloneSaveDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 430;
    static constexpr unsigned IDC_PATH = 1538;
    static constexpr unsigned IDC_PROGRESS = 1101;
    static constexpr unsigned IDC_CHOOSE = 1521;

    // The link defaults to the application's.
    explicit CCloneSaveDialog(QWidget* pParent = nullptr, CCatLink* pLink = nullptr);
    ~CCloneSaveDialog() override;

    int DoModal();
    void OnChoose();
    void OnOK();
    void UpdateControls();

    // Appends the header and the data lines of the area to the lines; FALSE
    // (and the lines left incomplete) when the radio did not answer a read.
    bool WriteCloneSection(uint16_t nFirst, uint16_t nLast, const QString& strName, const QString& strPrefix,
                           QStringList& lines);

    int GetSection() const { return m_nSection; }
    QString GetPath() const { return m_strPath; }
    QRadioButton* GetSectionButton(int nSection) const { return m_pSections[nSection]; }
    COXBitmapButton* GetChooseButton() const { return m_pChoose; }
    QPushButton* GetSaveButton() const { return m_pSave; }
    CBarMeter* GetProgress() const { return m_pProgress; }
    QLabel* GetPathStatic() const { return m_pPath; }
    const QStringList& GetProgressHistory() const { return m_history; }

private:
    void TakeControls();
    void SetProgressText(const QString& strText);

    CCatLink* m_pLink;
    int m_nSection = -1;
    QString m_strPath;
    QRadioButton* m_pSections[3] = {};
    QLabel* m_pPath;
    CBarMeter* m_pProgress;
    COXBitmapButton* m_pChoose;
    QPushButton* m_pSave;
    QStringList m_history;
};

class CCloneLoadDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 429;
    static constexpr unsigned IDC_PATH = 1538;
    static constexpr unsigned IDC_PROGRESS = 1101;
    static constexpr unsigned IDC_CHOOSE = 1521;

    // The link defaults to the application's.
    explicit CCloneLoadDialog(QWidget* pParent = nullptr, CCatLink* pLink = nullptr);
    ~CCloneLoadDialog() override;

    int DoModal();
    // Chooses a file and checks it.
    void ParseFile();
    // Restores the file chosen.
    void OnOK();

    // After a memory restore the channels are read again (the Loading
    // Memory dialog) and the navigator's memory list refilled; the program
    // installs how. Without one the Loading Memory dialog runs alone.
    static void SetMemoryReloader(std::function<void(QWidget* pParent)> reloader);

    bool IsFound(int nSection) const { return m_bFound[nSection]; }
    QString GetPath() const { return m_strPath; }
    const QStringList& GetLines() const { return m_lines; }
    QPushButton* GetLoadButton() const { return m_pLoad; }
    COXBitmapButton* GetChooseButton() const { return m_pChoose; }
    CBarMeter* GetProgress() const { return m_pProgress; }
    const QStringList& GetProgressHistory() const { return m_history; }
    // Pairs the last restore wrote, and those it could not read or write.
    int GetWrittenCount() const { return m_nWritten; }
    int GetFailedCount() const { return int(m_failed.size()); }

private:
    void EnableSections();
    void SetProgressText(const QString& strText);

    CCatLink* m_pLink;
    QString m_strPath;
    QStringList m_lines;
    CloneFile::Contents m_contents;
    bool m_bFound[3] = {false, false, false};
    QLabel* m_pPath;
    CBarMeter* m_pProgress;
    COXBitmapButton* m_pChoose;
    QPushButton* m_pLoad;
    QList<QWidget*> m_sectionTexts[3];
    QStringList m_history;
    int m_nWritten = 0;
    QList<uint16_t> m_failed;
};
