#pragma once
// An etched line with a caption that separates groups of controls in a
// dialog; wider than high it runs across, otherwise down, with the caption
// turned to read bottom to top (or top to bottom when it starts with "~").
#include <QLabel>
#include <functional>

class cdxCRotBevelLine : public QLabel {
    Q_OBJECT
public:
    explicit cdxCRotBevelLine(QWidget* parent = nullptr);
    explicit cdxCRotBevelLine(const QString& text, QWidget* parent = nullptr);
    ~cdxCRotBevelLine() override;

    void SetSunken(bool bSunken);
    bool IsSunken() const { return m_bSunken; }

    enum Align { AlignLeftText = 0, AlignCentreText = 1, AlignRightText = 2 };
    struct Layout {
        QRect line;      // the two-pixel groove or ridge
        QRect text;      // where the caption goes (empty: no caption)
        QString caption; // with its blanks, without the "~"
        int nAngle = 0;  // 0, 90 or 270
    };
    // Geometry of a control of this size; textSize is the caption's extent.
    static Layout ComputeLayout(const QRect& client, const QString& strText, int nAlign,
                                const std::function<QSize(const QString&)>& measure);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int AlignFromLabel() const;

    bool m_bSunken = true;
};
