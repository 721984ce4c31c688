#pragma once
// Does a frequency lie inside an amateur band? A fixed table from 160 m to
// 70 cm; where band edges differ between regions the band-plan options pick
// the variant.
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>

class CAmateurBands {
public:
    // The band-plan choices, in the one numbering the options share
    // (80 m: 0 or 1; 40 m: 2 or 3; 6 m: 4 or 5; 2 m: 6 or 7; 70 cm: 8, 9 or 10).
    struct Plan {
        int m_eBand80M = 0;
        int m_eBand40M = 2;
        int m_eBand6M = 4;
        int m_eBand2M = 6;
        int m_eBand70CM = 8;
    };
    struct Band {
        const char* pName;
        uint32_t nLow;  // Hz, inclusive
        uint32_t nHigh; // Hz, inclusive
        bool bEnabled;
    };

    // The plan of the program's current options.
    CAmateurBands();
    explicit CAmateurBands(const Plan& plan);
    virtual ~CAmateurBands();

    bool IsInAmateurBand(uint32_t nFrequency) const;

    static QList<Band> BuildTable(const Plan& plan);

    // The program's options object tells the toolkit its band plan through
    // this; without a source the default plan applies.
    static void SetPlanSource(std::function<Plan()> source);

private:
    Plan m_plan;
};
