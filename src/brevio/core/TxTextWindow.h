#pragma once
// The transmit text of a channel window (or of the Super Browser): typed
// text, macros, files and tag values waiting to go on air. The part already
// handed to the engine (the sent part) shows in its own format and takes no
// edit; the engine is fed one step per echo (SendNext) and after each edit
// (Pump).
#include "brevio/core/TxTextSender.h"

#include <QTextEdit>
#include <functional>

class QMenu;

class CTxTextWindow : public QTextEdit, private CTxTextSender::Host {
    Q_OBJECT
public:
    explicit CTxTextWindow(QWidget* parent = nullptr);
    ~CTxTextWindow() override;

    void StartStop(int nState);
    // 1 when a step went to the engine, else 0.
    virtual int SendNext();
    void Pump() { m_sender.Pump(); }
    void AddText(const QString& strText, bool bLineEndAfter, bool bOnNewLine);
    void Clear();
    void MarkAllUnsent();
    virtual bool HasUnsent() const { return m_sender.HasUnsent(); }
    int GetUnsentCount() const { return m_sender.GetUnsentCount(); }
    // The next six unsent characters are "[stop]", in any case.
    virtual bool NextIsStop() const { return m_sender.NextIsStop(); }
    virtual void SkipStop() { m_sender.SkipStop(); }
    void ApplyColours();
    bool ReplaceTagInUnsent(const QString& strTitle, const QString& strValue);

    int GetSentCount() const { return m_sender.GetSentCount(); }
    bool IsSending() const { return m_sender.IsSending(); }
    bool IsWaiting() const { return m_sender.IsWaiting(); }
    void SetFormats(const QTextCharFormat& sent, const QTextCharFormat& unsent);
    const QTextCharFormat& GetSentFormat() const { return m_sender.GetSentFormat(); }
    const QTextCharFormat& GetUnsentFormat() const { return m_sender.GetUnsentFormat(); }
    CTxTextSender& Sender() { return m_sender; }

    // The Super Browser's window sends its status texts there.
    void SetSuperBrowser(bool bSuper) { m_bSuperBrowser = bSuper; }
    bool IsSuperBrowser() const { return m_bSuperBrowser; }
    // Where the status texts of a channel window go (its frame's message pane).
    void SetStatusSink(std::function<void(const QString&)> sink) { m_statusSink = std::move(sink); }
    const QString& GetLastStatus() const { return m_strLastStatus; }

    // The edit commands of the channel: copy, cut (copies first), paste plain text.
    bool CanCut() const;
    bool CanPaste() const;
    void CutSelection();
    void PasteText();
    bool IsMenuShown() const { return m_bMenuShown; }

    // Every popup menu of the text windows opens through this; tests replace
    // it to pick an entry. Answers the chosen action or none.
    using MenuRunner = std::function<QAction*(QMenu* pMenu, const QPoint& globalPos)>;
    static void SetMenuRunner(MenuRunner runner);
    static QAction* RunMenu(QMenu* pMenu, const QPoint& globalPos);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // CTxTextSender::Host
    void SetStatusText(const QString& strText) override;
    void SetCWIdPending(bool bPending) override;
    bool IsMainTransmitting() const override;

    void Refuse();
    void AfterEdit();
    void ShowContextMenu(const QPoint& globalPos);

    CTxTextSender m_sender;
    bool m_bSuperBrowser = false;
    bool m_bMenuShown = false;
    QString m_strLastStatus;
    std::function<void(const QString&)> m_statusSink;
};
