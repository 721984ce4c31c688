#include "brevio/core/LocatorEdit.h"

#include "brevio/core/LocatorValidator.h"
#include "brevio/core/RegisteredMessages.h"
#include "shared/RegisteredEvent.h"

CLocatorEdit::CLocatorEdit(QWidget* parent) : QLineEdit(parent)
{
    // Only what can become a locator is typed.
    setMaxLength(6);
    setValidator(new CLocatorValidator(this));
    // Every change of the text, typed or set, as the edit control reports it.
    connect(this, &QLineEdit::textChanged, this,
            [this] { PostRegisteredMessage(parentWidget(), RegisteredMessage::nMsgLocator, 0, 0); });
}
