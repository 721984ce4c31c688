#pragma once
#include <QString>

// A font written as text: "face,size,bold,italic", e.g. "Courier New,10,1,0".
class CFontDescription {
public:
    CFontDescription() = default;
    explicit CFontDescription(const QString& strText) { Parse(strText); }
    virtual ~CFontDescription() = default;

    // Exactly four comma-separated fields; missing ones are empty (numbers
    // read 0), extra ones are dropped.
    void Parse(const QString& strText);
    QString Format() const;

    const QString& GetText() const { return m_strText; }
    const QString& GetFace() const { return m_strFace; }
    int GetSize() const { return m_nSize; }
    int GetBold() const { return m_nBold; }
    int GetItalic() const { return m_nItalic; }
    bool IsBold() const { return m_nBold != 0; }
    bool IsItalic() const { return m_nItalic != 0; }

private:
    QString m_strText;
    QString m_strFace;
    int m_nSize = 0;
    int m_nBold = 0;
    int m_nItalic = 0;
};
