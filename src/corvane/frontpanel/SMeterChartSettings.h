#pragma once
// The S-meter chart's look and sampling, kept in the registry as
// "SMeterChartSettings <label>" values.
#include "shared/WinTypes.h"

#include <QString>

class CSMeterChartSettings {
public:
    enum ExchangeMode { kDefaults = 0, kLoad = 1, kSave = 2 };

    CSMeterChartSettings() { Exchange(kDefaults); }
    virtual ~CSMeterChartSettings() = default;

    void Exchange(int nMode);
    void Load() { Exchange(kLoad); }
    void Save() { Exchange(kSave); }

    COLORREF m_colBackground = 0xDDCCBB;
    COLORREF m_colGraphArea = 0xFFFFFF;
    COLORREF m_colPlotColour = 0x0000FF;
    QString m_strAxisFont;
    int m_bGMT = 0;
    int m_nPlotType = 0;    // 0 area, 1 thin, 2 medium, 3 thick line
    int m_nSampleRate = 1;  // seconds between samples
    int m_nTimeScale = 1800;  // seconds across the time axis
};

CSMeterChartSettings& GetSMeterChartSettings();
