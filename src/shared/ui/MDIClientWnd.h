#pragma once
// The area behind the child windows of both programs' main frames: a tiled
// background picture and, once start-up has finished, the program's logo and
// version lines. Commands that reach the area unhandled go on to the main
// window.
#include <QImage>
#include <QObject>
#include <QPointer>
#include <functional>

class QMdiArea;
class QPainter;
class QWidget;

class CMDIClientWnd : public QObject {
    Q_OBJECT
public:
    explicit CMDIClientWnd(QObject* parent = nullptr);
    ~CMDIClientWnd() override;

    // Takes over the painting of the frame's MDI area; FALSE without one.
    bool SubclassWindow(QMdiArea* pArea);
    QMdiArea* GetArea() const;

    void EnableBanner() { m_nBanner = 1; Redraw(); }
    int IsBannerEnabled() const { return m_nBanner; }
    // Paints the background at once (the main frame's palette change).
    void RealizePalette();
    // The background as painted into a target of that size.
    void PaintBackground(QPainter& painter, int nWidth, int nHeight);
    QImage Render() const;

    // Commands from the child area: the main window's command table.
    void SetCommandTarget(std::function<bool(unsigned)> target) { m_commandTarget = std::move(target); }
    bool OnCommand(unsigned nId);

    // The whole background again, without touching the child windows.
    void Redraw();
    int GetRedrawCount() const { return m_nRedraws; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    QPointer<QMdiArea> m_pArea;
    int m_nBanner = 0;
    int m_nRedraws = 0;
    QImage m_background;
    std::function<bool(unsigned)> m_commandTarget;
};
