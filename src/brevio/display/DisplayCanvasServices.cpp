#include "brevio/display/DisplayCanvasServices.h"

namespace {
CDisplayCanvasServices* g_pServices = nullptr;
}

CDisplayCanvasServices& CDisplayCanvasServices::Instance()
{
    static CDisplayCanvasServices none;
    return g_pServices ? *g_pServices : none;
}

void CDisplayCanvasServices::SetInstance(CDisplayCanvasServices* pServices) { g_pServices = pServices; }
