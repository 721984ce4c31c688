#pragma once
// The base of the option pages of both programs. Whenever a page is shown it
// tells its sheet (RegisteredMessage::nMsgSelect, posted), so that the
// sheet's page-selector list can follow the tabs. The radio-control
// program's sheet also asks each page for its keywords and has it store its
// controls into, or load them from, an options object; the digital-mode
// program's pages leave those three alone.
#include "shared/ui/PropertySheet.h"

#include <QStringList>

class CSettings;

class COptionsPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit COptionsPage(unsigned nIDTemplate, QWidget* parent = nullptr);
    ~COptionsPage() override;

    // Appends the names of the page's groups of settings.
    virtual void GetKeywords(QStringList& /*keywords*/) {}
    // The page's control states into the options object.
    virtual void WriteToSettings(CSettings& /*settings*/) {}
    // The controls from the options object.
    virtual void ReadFromSettings(CSettings& /*settings*/) {}

    // The message number the page posts to its sheet when shown.
    static uint32_t SelectMessage();

protected:
    void OnShowWindow(bool bShow) override;
};
