#pragma once
#include "shared/ui/BaseDialog.h"

// The small "Full Screen" window whose "X" leaves full-screen mode.
class CFullScreenDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 399;
    explicit CFullScreenDialog(QWidget* pMainFrame);
    ~CFullScreenDialog() override;

protected:
    void done(int result) override;

private:
    QWidget* m_pMainFrame;
};
