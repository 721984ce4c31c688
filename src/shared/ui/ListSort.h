#pragma once
// The list control's own sort: rows of texts compared as the lists have
// always sorted them (case-sensitive, ties broken by the other columns and
// finally by the former position compared as text), with a second sort of
// an already sorted column reversing it.
#include <QList>
#include <QStringList>

namespace ListSort {

// A row holds the column texts (column 0 prefixed "A" checked / "Z" not when
// the list has check boxes), then an empty text, the former index, the item
// data, the selected state and the image index, each as a decimal text.
using Row = QStringList;

// < 0, 0, > 0 like strcmp.
int CompareRows(const Row& a, const Row& b, int nColumn, bool bCheckBoxes);

// Sorts the rows ascending; then reverses them when descending is allowed and
// the ascending order is the order the rows came in. Answers whether the
// result is descending.
bool SortRows(QList<Row>& rows, int nColumn, bool bCheckBoxes, bool bAscendingOnly);

} // namespace ListSort
