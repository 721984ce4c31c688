// The libFuzzer side of one target: the executable holds exactly one.
#include "FuzzTarget.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::SetUpEnvironment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return fuzz::Targets().front().function(data, size);
}
