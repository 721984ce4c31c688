#pragma once
// The received text of a channel (or of a Super Browser pane): written only
// by the receive path. A double click takes the word under the mouse as the
// value of a tag (a callsign, a name, a locator heard on air); typing goes to
// the transmit window.
#include <QList>
#include <QPair>
#include <QTextEdit>

class CTagStore;
class CTxTextWindow;

class CRxTextWindow : public QTextEdit {
    Q_OBJECT
public:
    static constexpr int kFirstTagCommand = 33364;
    static constexpr int kLastTagCommand = 33463;

    explicit CRxTextWindow(QWidget* parent = nullptr);
    ~CRxTextWindow() override;

    void SetTxWindow(CTxTextWindow* pTx) { m_pTxWindow = pTx; }
    CTxTextWindow* GetTxWindow() const { return m_pTxWindow; }
    void SetSuperBrowser(bool bSuper) { m_bSuperBrowser = bSuper; }
    bool IsSuperBrowser() const { return m_bSuperBrowser; }
    bool IsMenuShown() const { return m_bMenuShown; }

    // The run of characters between separators (blanks and control
    // characters) around a selection [nStart, nEnd) of the text.
    static void WidenToRun(const QString& strText, int& nStart, int& nEnd);
    // The tag menu's entries: (command id, title) of the tags that are no
    // own-station tags, among the first hundred of the store.
    static QList<QPair<int, QString>> TagMenuItems(const CTagStore& tags);

    void ShowTagMenu(const QPoint& globalPos);
    // Stores the selection as the value of tag (nId - first tag command).
    void OnTagCommand(int nId);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The text with a line end as '\n' (positions as the document counts them).
    QString PlainText() const;

    CTxTextWindow* m_pTxWindow = nullptr;
    bool m_bSuperBrowser = false;
    bool m_bMenuShown = false;
};

// Stores a tag value as a channel window does: through the tags bar when
// there is one, else in the tag store (per channel while per-channel tags
// are on); a value that reads as a locator is announced to the main window.
void StoreChannelTagValue(const QString& strTitle, const QString& strValue, int nChannel);
