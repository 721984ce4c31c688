#include "brevio/display/AlarmActions.h"

#include "brevio/core/PSK31App.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {
CAlarmActions* g_pInstance = nullptr;

// The one sound an alarm plays at a time; a new one replaces it.
QPointer<QSoundEffect>& Player()
{
    static QPointer<QSoundEffect> player;
    return player;
}
} // namespace

CAlarmActions& CAlarmActions::Instance()
{
    static CAlarmActions program;
    return g_pInstance ? *g_pInstance : program;
}

void CAlarmActions::SetInstance(CAlarmActions* pActions)
{
    g_pInstance = pActions;
}

void CAlarmActions::Beep()
{
    QApplication::beep();
}

void CAlarmActions::PlayWave(const QString& strPath)
{
    // No default sound stands in for a missing file.
    if (!QFileInfo(strPath).isFile())
        return;
    QPointer<QSoundEffect>& player = Player();
    if (!player)
        player = new QSoundEffect(qApp);
    player->stop();
    player->setSource(QUrl::fromLocalFile(QFileInfo(strPath).absoluteFilePath()));
    player->play();
}

void CAlarmActions::Speak(const QString& strText, bool bSpell, bool bPhonetic)
{
    TheApp().Speak(strText, bSpell, bPhonetic);
}
