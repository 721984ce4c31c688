#pragma once
#include "shared/WinTypes.h"

#include <QList>
#include <memory>

class CImageList;

// Builds an image list from bitmap resources of one size (the first one's).
// The caller takes the list and hands it to the control that shows it.
class CImageListBuilder {
public:
    CImageListBuilder();
    ~CImageListBuilder();

    void AddBitmap(unsigned nId) { m_ids.append(nId); }
    // Masked list: every bitmap twice, so bitmap k is images 2k and 2k + 1.
    bool CreateMasked(COLORREF colMask);
    // Unmasked, every bitmap twice; remembers the image size.
    bool Create();
    // Unmasked, every bitmap once.
    bool CreateSingle();

    CImageList* GetImageList() const { return m_pImageList.get(); }
    // Hands the list over to the caller.
    std::unique_ptr<CImageList> TakeImageList() { return std::move(m_pImageList); }
    int GetImageWidth() const { return m_nImageWidth; }
    int GetImageHeight() const { return m_nImageHeight; }

private:
    bool Build(unsigned nFlags, COLORREF colMask, int nCopies, bool bStoreSize);

    int m_nImageWidth = 0;
    int m_nImageHeight = 0;
    std::unique_ptr<CImageList> m_pImageList;
    QList<unsigned> m_ids;
};
