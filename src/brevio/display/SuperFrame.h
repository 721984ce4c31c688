#pragma once
// The Super Browser's document (it holds no data) and its MDI frame: a
// status bar with the transmit panel's IMD reading, transmit lock, send
// mode, autostop and characters still to send. Closing the frame only hides
// it and stops the browser.
#include <QList>
#include <QMdiSubWindow>
#include <QTimer>

class QLabel;
class QStatusBar;
class CSuperView;

class CSuperDocument {
public:
    virtual ~CSuperDocument() = default;
    // A new document is always accepted; there is nothing to read or write.
    bool OnNewDocument() { return true; }
};

class CSuperFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // The panes after the stretching message pane, by command id.
    static constexpr int kPaneIds[6] = {0, 106, 108, 166, 126, 127};

    explicit CSuperFrame(QWidget* parent = nullptr);
    ~CSuperFrame() override;

    void SetStatusText(const QString& strText);
    QString GetStatusText() const;
    void ShowStatusBar(bool bShow);
    bool IsStatusBarShown() const;
    QStatusBar* GetStatusBar() const { return m_pStatusBar; }

    // A pane's text and enabled state as its update gives them.
    QString PaneText(int nId) const;
    bool IsPaneEnabled(int nId) const;
    void UpdatePanes();
    CSuperView* View() const;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QStatusBar* m_pStatusBar = nullptr;
    QList<QLabel*> m_panes;
    QTimer m_timer;
    bool m_bActive = false;
};
