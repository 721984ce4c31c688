#include "shared/ui/OptionsPage.h"

#include "shared/RegisteredEvent.h"

COptionsPage::COptionsPage(unsigned nIDTemplate, QWidget* parent) : CPropertyPage(nIDTemplate, parent) {}

COptionsPage::~COptionsPage() = default;

uint32_t COptionsPage::SelectMessage()
{
    // Both programs register the message under this name, so the number is
    // the one their sheets handle.
    static const uint32_t nMsgSelect = RegisterWindowMessage("RegisteredMessage::nMsgSelect");
    return nMsgSelect;
}

void COptionsPage::OnShowWindow(bool bShow)
{
    if (!bShow)
        return;
    QObject* sheet = GetSheet();
    if (!sheet)
        sheet = parent();
    PostRegisteredMessage(sheet, SelectMessage(), 0, 0);
}
