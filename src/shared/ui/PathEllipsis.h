#pragma once
// A label showing a file path shortened in its middle when it does not fit,
// whatever text it is given later.
class QWidget;

void SetPathEllipsis(QWidget* pWnd);
bool HasPathEllipsis(const QWidget* pWnd);
