#pragma once
// What the display canvas asks of the program around it: the receive-channel
// frames and their activation (application object), the centre-frequency and
// radio toolbars and a few main-frame commands, and the Super Browser view.
// The program installs one implementation over its application object and
// main frame; until it does, every answer is "not there" and every command
// does nothing, which is what the canvas does without a main window.
#include <QList>
#include <cstdint>

class QMdiArea;
class QObject;
class QWidget;

class CDisplayCanvasServices {
public:
    // Show commands of ActivateView.
    static constexpr int kShowNothing = -1;
    static constexpr int kShowMinimise = 6;
    static constexpr int kShowRestore = 9;

    virtual ~CDisplayCanvasServices() = default;

    static CDisplayCanvasServices& Instance();
    // nullptr puts the "not there" answers back.
    static void SetInstance(CDisplayCanvasServices* pServices);

    virtual bool HasMainWindow() const { return false; }
    // The main frame's MDI client, whose sub-windows are the channel frames.
    virtual QMdiArea* GetMdiArea() const { return nullptr; }

    // Receive channels 0 to 3.
    virtual QWidget* GetChannelFrame(int n) const { return nullptr; }
    virtual bool IsChannelVisible(int n) const { return false; }
    virtual bool IsChannelActive(int n) const { return false; }
    // n 0-3 a receive channel, 4 the Super Browser; see kShow*.
    virtual void ActivateView(int n, int nShowCommand) {}

    // The "Center Frequency" toolbar: exists and is visible, and its value.
    virtual bool IsCentreBarVisible() const { return false; }
    virtual int GetCentreValue() const { return 0; }
    // The radio's dial frequency in Hz from the radio toolbar, 0 when unknown.
    virtual int64_t GetDialFrequency() const { return 0; }

    virtual void ShowOptionsPage(int nPage) {}
    virtual void RewindInput() {}
    virtual void OnPaletteEditor() {}
    // Lowers the input levels by a percentage after an overload (ignored right after a rewind).
    virtual void ReduceMixerLevels(int nPercent) {}

    // The Super Browser view (receiver of its canvas's clicks), nullptr while none exists.
    virtual QObject* GetSuperView() const { return nullptr; }
    virtual bool IsTxPanelShown() const { return false; }
    virtual bool IsTxLocked() const { return false; }
    virtual int GetTxFrequency() const { return 0; }
};
