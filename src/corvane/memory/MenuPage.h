#pragma once
// A page of the "FT-817 Manager" sheet: a set of the radio's own menu
// settings kept in its EEPROM. The page reads them into its controls, marks
// itself modified when the operator changes one, and writes them back one
// bit or field at a time, sending only what differs from the radio.
#include "corvane/memory/EepromFields.h"
#include "shared/ui/PropertySheet.h"

#include <QStringList>
#include <functional>
#include <vector>

class COwnComboBox;
class QCheckBox;
namespace MenuControls {
class CRadioGroup;
class CSpinEdit;
}

class CMenuPage : public CPropertyPage {
    Q_OBJECT
public:
    // The link defaults to the application's.
    explicit CMenuPage(unsigned nIDTemplate, CCatLink* pLink = nullptr);
    ~CMenuPage() override;

    // The names of the page's settings, for the selector list.
    virtual void GetKeywords(QStringList& keywords) = 0;
    // Every setting from the radio into the members and the controls.
    virtual void ReadFromRadio() = 0;
    // The controls into the members, then every setting to the radio.
    virtual void WriteToRadio() = 0;

    bool GetBit(uint16_t nAddress, int nBit) const { return m_fields.GetBit(nAddress, nBit); }
    uint8_t GetField(uint16_t nAddress, int nShift, int nWidth) const
    {
        return m_fields.GetField(nAddress, nShift, nWidth);
    }
    uint8_t GetBandField(int nOffset, int nShift, int nWidth) const
    {
        return m_fields.GetBandField(nOffset, nShift, nWidth);
    }
    uint16_t GetWord(uint16_t nAddress) const { return m_fields.GetWord(nAddress); }
    void SetBit(uint16_t nAddress, int nBit, bool bState) const { m_fields.SetBit(nAddress, nBit, bState); }
    void SetField(uint16_t nAddress, int nShift, int nWidth, uint8_t nValue) const
    {
        m_fields.SetField(nAddress, nShift, nWidth, nValue);
    }
    void SetBandField(int nOffset, int nShift, int nWidth, uint8_t nValue) const
    {
        m_fields.SetBandField(nOffset, nShift, nWidth, nValue);
    }
    void SetWord(uint16_t nAddress, uint16_t nValue) const { m_fields.SetWord(nAddress, nValue); }

    // The modified flag; the sheet's Apply follows it.
    void SetModifiedFlag(bool bModified) { SetModified(bModified); }
    const CEepromFields& Fields() const { return m_fields; }

protected:
    // Shown: the sheet's selector list follows (RegisteredMessage::nMsgSelect).
    void OnShowWindow(bool bShow) override;
    // What every operator change of a control calls.
    void Changed() { SetModifiedFlag(true); }

    // Settings bound to controls: read and written in the order bound. A
    // group or list that shows no choice (the radio holds a value it has no
    // entry for) is not written: the radio keeps its value until the
    // operator chooses one. Each binding also marks the page changed when
    // the operator changes its control.
    void Bind(std::function<void()> read, std::function<void()> write);
    void BindCheck(QCheckBox* pCheck, uint16_t nAddress, int nBit, bool bInverted = false);
    void BindGroup(MenuControls::CRadioGroup& group, uint16_t nAddress, int nShift, int nWidth);
    // A list whose index is the raw value; in the active VFO's band record
    // when bBand is set (the address is then the record offset).
    void BindList(COwnComboBox* pList, uint16_t nAddress, int nShift, int nWidth, bool bBand = false);
    // A spin whose position is the raw value plus the bias; a raw value
    // beyond the spin's range stays as it is until the operator moves it.
    void BindSpinField(MenuControls::CSpinEdit& spin, uint16_t nAddress, int nShift, int nWidth, int nBias = 0,
                       bool bSigned = false);
    void ReadBindings();
    void WriteBindings();

private:
    struct Binding {
        std::function<void()> read;
        std::function<void()> write;
    };
    CEepromFields m_fields;
    std::vector<Binding> m_bindings;
};
