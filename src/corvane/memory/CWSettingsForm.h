#pragma once
// The radio's CW keyer settings as controls: semi break-in, ARTS identifier,
// electronic keyer and paddle polarity as check boxes, delay, pitch, speed,
// volume and weight as spins whose position is the raw EEPROM value. The
// CW page of the menu sheet and the CW Settings window both use it.
#include "corvane/memory/MenuControls.h"

#include <QObject>
#include <array>
#include <memory>

class CEepromFields;
class QCheckBox;
class QLayout;

class CCWSettingsForm : public QObject {
    Q_OBJECT
public:
    enum Setting { SEMI_BREAK_IN, ARTS_ID, KEYER, PADDLE, DELAY, PITCH, SPEED, VOLUME, WEIGHT, SETTING_COUNT };
    static constexpr unsigned IDC_SEMI_BREAK_IN = 1233;
    static constexpr unsigned IDC_ARTS_ID = 1235;
    static constexpr unsigned IDC_KEYER = 1234;
    static constexpr unsigned IDC_PADDLE = 1236;

    // The controls are made in the parent; Layout() arranges them.
    explicit CCWSettingsForm(QWidget* pParent);
    ~CCWSettingsForm() override;

    QLayout* Layout() const { return m_pLayout; }
    QCheckBox* Check(Setting nSetting) const;
    MenuControls::CSpinEdit* Spin(Setting nSetting) const;

    // Every setting from the radio, in the table order, into the controls.
    void Read(const CEepromFields& fields);
    // Every setting to the radio in the same order; each costs a read and,
    // when the radio holds another value, one verified write.
    void Write(const CEepromFields& fields) const;
    void WriteOne(const CEepromFields& fields, Setting nSetting) const;

    // EEPROM place of each setting.
    struct Place {
        uint16_t nAddress;
        int nShift;
        int nWidth;
    };
    static Place PlaceOf(Setting nSetting);

signals:
    // The operator changed a setting.
    void changed(int nSetting);

private:
    std::array<QCheckBox*, 4> m_checks{};
    std::array<std::unique_ptr<MenuControls::CSpinEdit>, 5> m_spins;
    // What the radio held when read, and whether the operator has moved the
    // spin since: a value outside a spin's range is kept until then.
    std::array<int, SETTING_COUNT> m_raw{};
    std::array<bool, SETTING_COUNT> m_touched{};
    QLayout* m_pLayout = nullptr;
};
