#include "shared/ImageListBuilder.h"

#include "shared/ImageList.h"
#include "shared/artwork/Artwork.h"

#include <QPixmap>

CImageListBuilder::CImageListBuilder() = default;
CImageListBuilder::~CImageListBuilder() = default;

bool CImageListBuilder::Build(unsigned nFlags, COLORREF colMask, int nCopies, bool bStoreSize)
{
    m_pImageList.reset();
    if (m_ids.isEmpty())
        return false;
    const QImage first = artwork::bitmap(int(m_ids.first()));
    if (first.isNull())
        return false;
    const int n = int(m_ids.size());
    auto list = std::make_unique<CImageList>();
    if (!list->Create(first.width(), first.height(), nFlags, n, n))
        return false;
    if (bStoreSize) {
        m_nImageWidth = first.width();
        m_nImageHeight = first.height();
    }
    for (unsigned id : m_ids) {
        const QPixmap picture = QPixmap::fromImage(artwork::bitmap(int(id)));
        for (int copy = 0; copy < nCopies; ++copy)
            list->Add(picture, colMask);
    }
    m_pImageList = std::move(list);
    return true;
}

bool CImageListBuilder::CreateMasked(COLORREF colMask)
{
    return Build(ILC_MASK | ILC_COLOR4, colMask, 2, false);
}

bool CImageListBuilder::Create()
{
    return Build(0, 0, 2, true);
}

bool CImageListBuilder::CreateSingle()
{
    return Build(0, 0, 1, false);
}
