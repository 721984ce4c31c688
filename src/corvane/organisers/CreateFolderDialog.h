#pragma once
// "Create New Folder": asks for the name of a new favourites folder. A name
// may not be empty (trailing blanks do not count) and may not hold a
// backslash, which separates the levels of a folder path.
#include <QDialog>

class QLineEdit;
class QPushButton;

class CCreateFolderDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 202;
    enum ControlId : unsigned { IDC_FOLDER = 1100 };

    explicit CCreateFolderDialog(QWidget* pParent = nullptr);
    ~CCreateFolderDialog() override;

    int DoModal();
    // The name after OK, without trailing blanks.
    QString GetFolderName() const { return m_strFolder; }

    QLineEdit* FolderEdit() const { return m_pEdit; }
    QPushButton* OkButton() const { return m_pOk; }
    void OnOK();

private:
    void UpdateOk();

    QLineEdit* m_pEdit = nullptr;
    QPushButton* m_pOk = nullptr;
    QString m_strFolder;
};
