#include "corvane/core/QuickSave.h"

#include "corvane/core/DisplayViewHooks.h"
#include "corvane/core/RadioApp.h"
#include "shared/Registry.h"

namespace {
QString valueName(int nIndex, const char* member)
{
    return QStringLiteral("CQuickSave::%1 %2").arg(nIndex).arg(QLatin1String(member));
}
} // namespace

void CQuickSave::Load()
{
    const CRegistry registry;
    m_nFrequency = registry.GetInt(valueName(m_nIndex, "m_nFrequency"), m_nFrequency);
    m_bMode = uint8_t(registry.GetInt(valueName(m_nIndex, "m_bMode"), m_bMode));
}

void CQuickSave::Save(int nFrequency, uint8_t bMode)
{
    m_nFrequency = nFrequency;
    m_bMode = bMode;
    const CRegistry registry;
    registry.WriteInt(valueName(m_nIndex, "m_nFrequency"), m_nFrequency);
    registry.WriteInt(valueName(m_nIndex, "m_bMode"), m_bMode);
    if (CRadioApp* app = GetRadioApp())
        app->QuickSaveChanged();
}

void CQuickSave::Store()
{
    const CRadioApp* app = GetRadioApp();
    const CDisplayViewHooks* view = app ? app->GetDisplayView() : nullptr;
    if (view)
        Save(int(view->GetFrequency()), view->GetMode());
}

void CQuickSave::Recall() const
{
    const CRadioApp* app = GetRadioApp();
    if (CDisplayViewHooks* view = app ? app->GetDisplayView() : nullptr)
        view->SetFrequencyAndMode(uint32_t(m_nFrequency), m_bMode, 1);
}
