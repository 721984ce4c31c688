#pragma once
#include <QValidator>

// Locator fields: only what can still become a locator of IsValidLocator's
// form may be typed ("JO0" on the way to "JO01AA"); letters are taken in
// upper case. A complete locator (4 or 6 characters) or an empty field is
// acceptable.
class CLocatorValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
    // The state of a text without changing it.
    static State Check(const QString& strText);
};
