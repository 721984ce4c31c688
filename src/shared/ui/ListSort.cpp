#include "shared/ui/ListSort.h"

#include <algorithm>

namespace ListSort {

static int Compare(const QString& a, const QString& b)
{
    // Code-unit order, as the C library's strcmp gives for single-byte text.
    return QString::compare(a, b, Qt::CaseSensitive);
}

int CompareRows(const Row& a, const Row& b, int nColumn, bool bCheckBoxes)
{
    const int n = int(std::min(a.size(), b.size()));
    if (nColumn < n) {
        if (int r = Compare(a[nColumn], b[nColumn]))
            return r;
    }
    for (int i = 0; i < n; ++i) {
        if (i == nColumn)
            continue;
        // The check prefix only counts when column 0 is the sort column.
        const QString ta = (bCheckBoxes && i == 0) ? a[i].mid(1) : a[i];
        const QString tb = (bCheckBoxes && i == 0) ? b[i].mid(1) : b[i];
        if (int r = Compare(ta, tb))
            return r;
    }
    return 0;
}

bool SortRows(QList<Row>& rows, int nColumn, bool bCheckBoxes, bool bAscendingOnly)
{
    if (rows.size() < 2)
        return false;
    const QList<Row> before = rows;
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const Row& a, const Row& b) { return CompareRows(a, b, nColumn, bCheckBoxes) < 0; });
    if (bAscendingOnly)
        return false;
    if (rows == before) {
        std::reverse(rows.begin(), rows.end());
        return true;
    }
    return false;
}

} // namespace ListSort
