#include "brevio/core/BarLayout.h"

#include "shared/Registry.h"
#include "shared/sizingbar/SizingControlBar.h"

#include <QDockWidget>
#include <QMainWindow>

void CBarLayout::SetIndex(int nIndex)
{
    m_nIndex = nIndex;
    m_strMacros = QStringLiteral("MacBar-%1").arg(nIndex);
    m_strTags = QStringLiteral("TagBar-%1").arg(nIndex);
    m_strDisplay = QStringLiteral("DspBar-%1").arg(nIndex);
}

void CBarLayout::Save(QMainWindow* pFrame, QDockWidget* pMacros, QDockWidget* pTags, QDockWidget* pDisplay)
{
    m_bMacros = pMacros && pMacros->isVisibleTo(pFrame);
    m_bTags = pTags && pTags->isVisibleTo(pFrame);
    m_bDisplay = pDisplay && pDisplay->isVisibleTo(pFrame);
    SaveBarState(pFrame, pDisplay, m_strDisplay);
    SaveBarState(pFrame, pMacros, m_strMacros);
    SaveBarState(pFrame, pTags, m_strTags);
}

void CBarLayout::Restore(QMainWindow* pFrame, QDockWidget* pMacros, QDockWidget* pTags, QDockWidget* pDisplay)
{
    if (pMacros)
        pMacros->setVisible(m_bMacros);
    if (pTags)
        pTags->setVisible(m_bTags);
    if (pDisplay)
        pDisplay->setVisible(m_bDisplay);
    LoadBarState(pFrame, pDisplay, m_strDisplay);
    LoadBarState(pFrame, pMacros, m_strMacros);
    LoadBarState(pFrame, pTags, m_strTags);
}

void CBarLayout::SaveBarState(QMainWindow* pFrame, QDockWidget* pBar, const QString& strName)
{
    if (!pFrame || !pBar)
        return;
    CRegistry registry;
    registry.WriteInt(strName + QStringLiteral(" Floating"), pBar->isFloating() ? 1 : 0);
    registry.WriteInt(strName + QStringLiteral(" Area"), int(pFrame->dockWidgetArea(pBar)));
    // A sizing bar's size is the one it keeps, not what a small window left it.
    const auto* sizing = qobject_cast<const CSizingControlBar*>(pBar);
    const QSize size = sizing ? sizing->GetDockedSize() : pBar->size();
    registry.WriteInt(strName + QStringLiteral(" Width"), size.width());
    registry.WriteInt(strName + QStringLiteral(" Height"), size.height());
}

void CBarLayout::LoadBarState(QMainWindow* pFrame, QDockWidget* pBar, const QString& strName)
{
    if (!pFrame || !pBar)
        return;
    CRegistry registry;
    // A missing entry keeps the bar as it is.
    const int area = registry.GetInt(strName + QStringLiteral(" Area"), 0);
    const int floating = registry.GetInt(strName + QStringLiteral(" Floating"), -1);
    if (area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea || area == Qt::TopDockWidgetArea ||
        area == Qt::BottomDockWidgetArea) {
        if (pFrame->dockWidgetArea(pBar) != Qt::DockWidgetArea(area))
            pFrame->addDockWidget(Qt::DockWidgetArea(area), pBar);
    }
    if (floating >= 0)
        pBar->setFloating(floating != 0);
    const int width = registry.GetInt(strName + QStringLiteral(" Width"), 0);
    const int height = registry.GetInt(strName + QStringLiteral(" Height"), 0);
    if (width <= 0 || height <= 0)
        return;
    if (auto* sizing = qobject_cast<CSizingControlBar*>(pBar)) {
        sizing->SetDockedSize(QSize(width, height));
        return;
    }
    pFrame->resizeDocks({pBar}, {width}, Qt::Horizontal);
    pFrame->resizeDocks({pBar}, {height}, Qt::Vertical);
}
