#include "frontpanel/DisplaySize.h"

#include "shared/Registry.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
const QString kValueName = QStringLiteral("CDisplaySize::m_eSize");

QSize workArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(1024, 768);
}
} // namespace

CDisplaySize::CDisplaySize() : m_eSize(DefaultFor(workArea())) {}

CDisplaySize::CDisplaySize(const QSize& area) : m_eSize(DefaultFor(area)) {}

int CDisplaySize::DefaultFor(const QSize& area)
{
    if (area.width() >= 1280 && area.height() >= 1024)
        return 2;
    if (area.width() >= 1024 && area.height() >= 768)
        return 1;
    return 0;
}

void CDisplaySize::Load()
{
    m_eSize = GetRegistry().GetInt(kValueName, m_eSize);
}

void CDisplaySize::Save() const
{
    GetRegistry().WriteInt(kValueName, m_eSize);
}

int CDisplaySize::GetFormTemplate() const
{
    switch (m_eSize) {
    case 1: return 356;
    case 2: return 324;
    default: return 319;
    }
}

int CDisplaySize::GetFineTuningTemplate() const
{
    switch (m_eSize) {
    case 1: return 357;
    case 2: return 362;
    default: return 297;
    }
}

CDisplaySize& GetDisplaySize()
{
    static CDisplaySize size = [] {
        CDisplaySize s;
        s.Load();
        return s;
    }();
    return size;
}
