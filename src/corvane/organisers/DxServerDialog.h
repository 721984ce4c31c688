#pragma once
// "DX-Spot Server": the host name of the DX-spot web server (a port may
// follow after ':'), asked for when the DX Cluster window is to fetch while
// none is set.
#include <QDialog>

class QLineEdit;
class QPushButton;

class CDxServerDialog : public QDialog {
    Q_OBJECT
public:
    CDxServerDialog(QWidget* pParent, const QString& strHost);
    ~CDxServerDialog() override;

    int DoModal();
    // What was typed, as a host (an "http://" in front and a "/" behind are
    // dropped); empty when it is none.
    QString GetHost() const;
    static QString ToHost(const QString& strTyped);

    QLineEdit* GetEdit() const { return m_pEdit; }
    QPushButton* GetOkButton() const { return m_pOk; }

private:
    QLineEdit* m_pEdit;
    QPushButton* m_pOk;
};
