#include "shared/ui/PathEllipsis.h"

#include "shared/WinTypes.h"
#include "shared/ui/ColourStatic.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace {
class PathEllipsisPainter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* label = qobject_cast<QLabel*>(watched);
        if (!label || event->type() != QEvent::Paint)
            return false;
        QPainter p(label);
        const QRect r = label->contentsRect();
        const QString text = label->fontMetrics().elidedText(label->text(), Qt::ElideMiddle, r.width());
        // A colour label keeps its own colours behind the shortened path.
        if (auto* colour = qobject_cast<CColourStatic*>(label)) {
            p.fillRect(label->rect(), toQColor(colour->GetBackgroundColour()));
            p.setPen(toQColor(colour->PaintedTextColour()));
            p.drawText(r, int(label->alignment()) | Qt::TextSingleLine, text);
            return true;
        }
        p.setPen(label->palette().color(label->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                        label->foregroundRole()));
        p.drawText(r, int(label->alignment()) | Qt::TextSingleLine, text);
        return true;
    }
};
} // namespace

void SetPathEllipsis(QWidget* pWnd)
{
    auto* label = qobject_cast<QLabel*>(pWnd);
    if (!label || HasPathEllipsis(label))
        return;
    label->setProperty("pathEllipsis", true);
    // A long path must not widen the dialog around it.
    label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
    label->installEventFilter(new PathEllipsisPainter(label));
}

bool HasPathEllipsis(const QWidget* pWnd)
{
    return pWnd && pWnd->property("pathEllipsis").toBool();
}
