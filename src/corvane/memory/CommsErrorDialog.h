#pragma once
// "Communications Error": shown while the radio does not answer. Asks the
// radio for its transmitter status once a second and closes with IDOK as
// soon as it answers; "Quit Program" ends the process at once. It cannot be
// cancelled.
#include <QBasicTimer>
#include <QDialog>
#include <functional>

class CCatLink;
class QLabel;
class QPushButton;

class CCommsErrorDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 293;
    static constexpr unsigned kQuitProgramId = 1338;
    static constexpr int kRetryTimerId = 100;
    static constexpr int kRetryMs = 1000;

    // The link defaults to the application's.
    explicit CCommsErrorDialog(QWidget* pParent = nullptr, CCatLink* pLink = nullptr);
    ~CCommsErrorDialog() override;

    // IDOK once the radio answers.
    int DoModal();

    void OnQuitProgram();
    // One retry step (timer 100).
    void Retry();

    // How "Quit Program" ends the process (tests replace it).
    static void SetExitHandler(std::function<void(int)> handler);

    static QString Text();

protected:
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override {}
    void closeEvent(QCloseEvent* event) override;

private:
    CCatLink* m_pLink;
    QBasicTimer m_timer;
    bool m_bStarted = false;
};
