#pragma once
// The small window that ends full-screen mode: one round button.
#include "shared/ui/BaseDialog.h"

#include <QPointer>

class COXRoundedButton;

class CFullScreenDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 384;

    // Without a parent, like a top-level tool window; the main frame hears
    // about the close (RegisteredMessage::nMsgFullScreen).
    explicit CFullScreenDialog(QObject* pMainFrame = nullptr);
    ~CFullScreenDialog() override;

    bool OnInitDialog() override;
    void OnOK() override { Close(); }
    void OnCancel() override { Close(); }
    COXRoundedButton* GetButton() const { return m_pButton; }

protected:
    bool event(QEvent* event) override;

private:
    void ApplyColours();
    void Close();
    void NotifyFrame();

    COXRoundedButton* m_pButton = nullptr;
    QPointer<QObject> m_pMainFrame;
};
