#pragma once
// What the tests of PSK31 Brevio's text panes ask its probe: where channel
// 1's panes and the Super Browser's transmit pane are, how much channel 1's
// receive pane shows and holds back, where the keyboard is, and whether a
// menu is open. Mixed into the base of the tests that drive the running
// program (tests/gui/GuiTest.h):
//
//   class HeldKeys : public testsupport::BrevioPanes<GuiTest> {};
#include "support/ProbeClient.h"

#include <QLatin1Char>
#include <QLatin1String>
#include <QString>

namespace testsupport {

template <class Base>
class BrevioPanes : public Base {
protected:
    static inline const QString kTx = QStringLiteral("CFrameRx:1>CTxTextWindow");
    static inline const QString kRx = QStringLiteral("CFrameRx:1>CRxTextWindow");
    static inline const QString kBrowserTx = QStringLiteral("CSuperView>CTxTextWindow");
    // Channel 1's receive frequency (value 1006 of form 137), on the
    // demonstration's station at 1500 Hz, which sends most of the time.
    static inline const QString kChannelOneFrequency = QStringLiteral("00000089 000003EE 00000000");

    QString Ask(const QString& command) { return this->BrevioProbe().Ask(command); }
    int RxLength() { return ProbeClient::Field(Ask(QStringLiteral("rx")), QStringLiteral("length")).toInt(); }
    int RxQueued() { return ProbeClient::Field(Ask(QStringLiteral("rx")), QStringLiteral("queued")).toInt(); }
    // Until the keyboard is in a widget of the class.
    bool Focused(const char* className)
    {
        return Base::WaitFor(
            [&] { return Ask(QStringLiteral("focus")).startsWith(QLatin1String(className) + QLatin1Char('|')); });
    }
    bool MenuOpen()
    {
        for (const auto& w : Base::ParseGeometry(Ask(QStringLiteral("geometry"))))
            if (w.className == QLatin1String("QMenu"))
                return true;
        return false;
    }
};

} // namespace testsupport
