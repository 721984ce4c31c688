#pragma once
// What a firing alarm does outside the program: the system beep, a wave
// file, and speech. The program's own actions are installed by default;
// tests put theirs in place to hear what an alarm says.
#include <QString>

class CAlarmActions {
public:
    virtual ~CAlarmActions() = default;

    static CAlarmActions& Instance();
    // nullptr puts the program's own actions back.
    static void SetInstance(CAlarmActions* pActions);

    virtual void Beep();
    // Starts the file playing; a missing file or sound failure is ignored.
    virtual void PlayWave(const QString& strPath);
    // Through the application's speech (silent while transmitting).
    virtual void Speak(const QString& strText, bool bSpell, bool bPhonetic);
};
