#pragma once
// A form laid out at its design size whose controls follow later size
// changes by anchors: each edge of a control takes none, a quarter, a half,
// three quarters or all of the growth. Controls never shrink below their
// design size.
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

class CResizableFormView : public QWidget {
    Q_OBJECT
public:
    struct AnchorRow {
        int nId;
        int nWidthMode;
        int nHeightMode;
        int nMoveXMode;
        int nMoveYMode;
    };
    // Modes: 0 nothing, 1 a quarter, 2 half, 3 three quarters, 4 all of the
    // change; for sizes also 5, the control's current size.
    static constexpr int kKeepCurrent = 5;

    CResizableFormView(int nTemplateId, QSize designSize, QWidget* parent = nullptr);
    ~CResizableFormView() override;

    // Copies the rows and measures each control where it stands now.
    void SetControlAnchors(const AnchorRow* pRows, int nCount);
    void RepositionControls(bool bRedraw);

    int GetTemplateId() const { return m_nTemplateId; }
    QSize GetDesignSize() const { return m_designSize; }
    // A child by its control id (the "controlId" property).
    QWidget* GetDlgItem(int nId) const;
    static int Part(int nDelta, int nMode);

    // Dialog units of the 8-point template font to pixels.
    static int DluX(int x) { return x * 3 / 2; }
    static int DluY(int y) { return y * 13 / 8; }
    static QRect DluRect(int x, int y, int w, int h) { return QRect(DluX(x), DluY(y), DluX(w), DluY(h)); }

private:
    struct Anchor {
        AnchorRow row;
        QRect design;
    };
    int m_nTemplateId;
    QSize m_designSize;
    std::vector<Anchor> m_anchors;
};
