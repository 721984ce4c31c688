#include "corvane/frontpanel/SMeterChartSettings.h"

#include "shared/Registry.h"

namespace {
QString valueName(const char* label)
{
    return QStringLiteral("SMeterChartSettings %1").arg(QLatin1String(label));
}

void exchangeInt(int nMode, const char* label, int& member, int nDefault)
{
    const CRegistry& registry = GetRegistry();
    switch (nMode) {
    case CSMeterChartSettings::kDefaults: member = nDefault; break;
    case CSMeterChartSettings::kLoad: member = registry.GetInt(valueName(label), nDefault); break;
    case CSMeterChartSettings::kSave: registry.WriteInt(valueName(label), member); break;
    default: break;
    }
}

void exchangeColour(int nMode, const char* label, COLORREF& member, COLORREF nDefault)
{
    int value = int(member);
    exchangeInt(nMode, label, value, int(nDefault));
    member = COLORREF(value);
}
} // namespace

void CSMeterChartSettings::Exchange(int nMode)
{
    exchangeColour(nMode, "SMeterChart m_colBackground ..:", m_colBackground, 0xDDCCBB);
    exchangeColour(nMode, "SMeterChart m_colGraphArea ...:", m_colGraphArea, 0xFFFFFF);
    exchangeColour(nMode, "SMeterChart m_colPlotColour ..:", m_colPlotColour, 255);
    exchangeInt(nMode, "SMeterChart m_nPlotType ......:", m_nPlotType, 0);
    exchangeInt(nMode, "SMeterChart m_nSampleRate ....:", m_nSampleRate, 1);
    exchangeInt(nMode, "SMeterChart m_nTimeScale .....:", m_nTimeScale, 1800);
    exchangeInt(nMode, "SMeterChart m_bGMT ...........:", m_bGMT, 0);
    const char* fontLabel = "SMeterChart m_strAxisFont ....:";
    const QString fontDefault = QStringLiteral("Small Fonts,7");
    switch (nMode) {
    case kDefaults: m_strAxisFont = fontDefault; break;
    case kLoad: m_strAxisFont = GetRegistry().GetString(valueName(fontLabel), fontDefault); break;
    case kSave: GetRegistry().WriteString(valueName(fontLabel), m_strAxisFont); break;
    default: break;
    }
}

CSMeterChartSettings& GetSMeterChartSettings()
{
    static CSMeterChartSettings settings;
    return settings;
}
