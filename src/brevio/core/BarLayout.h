#pragma once
#include <QString>

class QDockWidget;
class QMainWindow;

// One layout of the main frame's three docking windows: which are visible,
// and the names their docking states are stored under ("MacBar-%d",
// "TagBar-%d", "DspBar-%d").
class CBarLayout {
public:
    CBarLayout() { SetIndex(0); }
    virtual ~CBarLayout() = default;

    void SetIndex(int nIndex);
    void Save(QMainWindow* pFrame, QDockWidget* pMacros, QDockWidget* pTags, QDockWidget* pDisplay);
    void Restore(QMainWindow* pFrame, QDockWidget* pMacros, QDockWidget* pTags, QDockWidget* pDisplay);

    int GetIndex() const { return m_nIndex; }
    bool IsMacrosVisible() const { return m_bMacros; }
    bool IsTagsVisible() const { return m_bTags; }
    bool IsDisplayVisible() const { return m_bDisplay; }
    const QString& GetMacrosName() const { return m_strMacros; }
    const QString& GetTagsName() const { return m_strTags; }
    const QString& GetDisplayName() const { return m_strDisplay; }

    // A docking window's state (floating, area, size) under a name.
    static void SaveBarState(QMainWindow* pFrame, QDockWidget* pBar, const QString& strName);
    static void LoadBarState(QMainWindow* pFrame, QDockWidget* pBar, const QString& strName);

private:
    int m_nIndex = 0;
    bool m_bMacros = false;
    bool m_bTags = false;
    bool m_bDisplay = false;
    QString m_strMacros;
    QString m_strTags;
    QString m_strDisplay;
};
