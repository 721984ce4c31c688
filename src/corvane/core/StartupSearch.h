#pragma once
#include <QString>
#include <QStringList>

#include <atomic>

class CCatLink;
class CRadioMemoryList;
class QWidget;

// The radio search of the start-up dialog, apart from its window: it tries
// port and speed pairs until the radio answers, asks about a slow speed once
// per port and speed, and loads the memory channels. What it shows goes
// through the View.
class CStartupSearch {
public:
    // Images of the result rows (bitmap k of the list is image 2k).
    enum RowImage { IMAGE_SUCCESS = 0, IMAGE_FAILURE = 2, IMAGE_HINT = 6 };

    struct Row {
        QString strPort;
        QString strSpeed;
        QString strStatus;
        int nImage = IMAGE_SUCCESS;
    };

    class View {
    public:
        virtual ~View() = default;
        virtual void ClearRows() = 0;
        virtual void AddRow(const Row& row) = 0;
        virtual void SetProgressText(const QString& strText) = 0;
        virtual void ShowProgress(bool bShow) = 0;
        virtual void SetProgressPos(int nPos) = 0;
        // The port and speed lists follow the search.
        virtual void SelectPort(int nIndex) = 0;
        virtual void SelectSpeed(int nIndex) = 0;
        // Paint now: the search keeps the message loop waiting.
        virtual void Repaint() = 0;
        virtual void RepaintProgress() = 0;
        // Owner and caption of the questions.
        virtual QWidget* Owner() = 0;
        virtual QString Title() = 0;
    };

    CStartupSearch(View& view, CCatLink& link, CRadioMemoryList& memory);

    // Where the search shows itself; the dialog hands a thread-safe stand-in
    // to a search that runs off its thread.
    void SetView(View& view) { m_pView = &view; }
    // A flag the dialog raises to stop a running search: the exchange or
    // pause in progress ends early and no further try starts. Set and
    // cleared while no search runs.
    void SetCancelFlag(const std::atomic<bool>* pCancel);
    bool IsCancelled() const { return m_pCancel && m_pCancel->load(); }

    void SetPorts(const QStringList& ports) { m_ports = ports; }
    void SetSpeeds(const QStringList& speeds) { m_speeds = speeds; }
    const QStringList& GetPorts() const { return m_ports; }
    const QStringList& GetSpeeds() const { return m_speeds; }
    // The selection (index into the lists; -1 none).
    void Select(int nPort, int nSpeed);
    int GetPortIndex() const { return m_nPort; }
    int GetSpeedIndex() const { return m_nSpeed; }
    QString GetPort() const { return m_ports.value(m_nPort); }
    QString GetSpeed() const { return m_speeds.value(m_nSpeed); }

    // TRUE once the radio answered and its memory channels are loaded.
    bool Connect(bool bSearch, bool bAskSpeed);
    // The two halves of Connect. Search tries ports and speeds until the
    // radio answers (it touches only the link and the view, so it may run on
    // a thread of its own); Finish stores where the radio was found, asks
    // about a slow speed and loads the memory channels.
    bool Search(bool bSearch);
    bool Finish(bool bAskSpeed);
    // One try with the current port and speed.
    bool TryCurrent();

    static QString AskSpeedValueName(const QString& strPort, const QString& strSpeed);
    static QString SpeedQuestion(const QString& strSpeed);

private:
    void AddRow(const QString& strStatus, int nImage);
    void AddHint(const QString& strText);
    bool LoadMemory();
    void Pause(int nMs) const;

    View* m_pView;
    CCatLink& m_link;
    CRadioMemoryList& m_memory;
    QStringList m_ports;
    QStringList m_speeds;
    int m_nPort = -1;
    int m_nSpeed = -1;
    const std::atomic<bool>* m_pCancel = nullptr;
};
