#include "corvane/core/DisplaySize.h"

#include "shared/Registry.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
const QString kValue = QStringLiteral("CDisplaySize::m_eSize");
}

CDisplaySize::CDisplaySize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    m_eSize = DefaultForWorkArea(screen ? screen->availableSize() : QSize());
}

int CDisplaySize::DefaultForWorkArea(const QSize& workArea)
{
    if (workArea.width() >= 1280 && workArea.height() >= 1024)
        return 2;
    if (workArea.width() >= 1024 && workArea.height() >= 768)
        return 1;
    return 0;
}

void CDisplaySize::Load()
{
    m_eSize = CRegistry().GetInt(kValue, m_eSize);
}

void CDisplaySize::Save() const
{
    CRegistry().WriteInt(kValue, m_eSize);
}

void CDisplaySize::Set(int nSize)
{
    m_eSize = nSize;
    Save();
}

unsigned CDisplaySize::GetFormTemplate() const
{
    return m_eSize == 1 ? 356 : m_eSize == 2 ? 324 : 319;
}

unsigned CDisplaySize::GetFineTuningTemplate() const
{
    return m_eSize == 1 ? 357 : m_eSize == 2 ? 362 : 297;
}
