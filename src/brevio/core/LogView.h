#pragma once
#include <QMdiSubWindow>
#include <QPlainTextEdit>

// The log window: an MDI child showing the program's running log, one
// time-stamped line per entry. Never saved; lost at exit.
class CPSK31BrevioDoc {
public:
    virtual ~CPSK31BrevioDoc() = default;
};

class CPSK31BrevioView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CPSK31BrevioView(QWidget* parent = nullptr);
    ~CPSK31BrevioView() override;

    // Registers the view as the application's log and writes "Logfile ready".
    void OnInitialUpdate();
    // One line: a line break before every line but the first, then
    // "%H:%M:%S " unless the text is empty, then the text.
    void AppendLine(const QString& strText);
    void Erase();
    int GetLength() const { return m_nLength; }

private:
    int m_nLength = 0;
};

// The log's frame: titled "Logfile"; its close button hides it.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CChildFrame(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};
