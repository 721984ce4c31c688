#pragma once
// A modeless window that hosts a receive-channel view of its own for the
// Super Browser (the browser keeps its command disabled).
#include <QDialog>
#include <memory>

class CDocRx;
class CFormRx;

class CBrowserPopup : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 395;

    explicit CBrowserPopup(QWidget* pView);
    ~CBrowserPopup() override;

    // Creates the document and its channel view over the dialog's area.
    bool OnInitDialog();
    CFormRx* GetChannelView() const { return m_pView; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::unique_ptr<CDocRx> m_pDocument;
    CFormRx* m_pView = nullptr;
};
