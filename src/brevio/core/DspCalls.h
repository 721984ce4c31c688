#pragma once
// The engine's entry points as the program's windows call them.
#include "brevio/core/DspLibrary.h"
