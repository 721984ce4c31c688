#pragma once
// The engine's entry points as the program's windows call them.
#include "psk/core/PendingDsp.h"

class QWidget;

namespace pendingdsp {
// Receive mode of a channel from the speed and the mode toolbar's modulation.
int RxModeCode(int nSpeed, int nModulation);
void ApplyRxMode(int nChannel);
void ApplyRxModeToAllChannels();
// COM-port PTT through the engine, with its block of log lines.
int SetComPortPtt(int nPort, int nMode);
// Makes the engine's entry points callable; reports what is missing.
bool LoadDspLibrary(QWidget* pOwner);
} // namespace pendingdsp

using namespace pendingdsp;
