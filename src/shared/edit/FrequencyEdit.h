#pragma once
// The frequency entry field of the dialogs: a masked edit over digit places
// and literal dots ("###\.###\.##" is MHz, kHz and tens of Hz). Typing
// overwrites; a number typed into the leading group is right-aligned, "."
// jumps to the next group, empty places become zeros and leading zeros are
// hidden behind the prompt character.
#include "shared/edit/OXMaskedEdit.h"

#include <cstdint>
#include <memory>

class CFrequencyEdit : public COXMaskedEdit {
    Q_OBJECT
public:
    explicit CFrequencyEdit(QWidget* parent = nullptr);
    ~CFrequencyEdit() override;

    // Shows Hz / 10 as eight digits ("%8.8u"); the remainder below 10 Hz is
    // dropped.
    void SetFrequency(uint32_t hz);
    // The digits typed (prompt characters removed) times the multiplier; an
    // empty field reads 0.
    uint32_t GetFrequency() const;
    // The fixed-pitch display font of the main window.
    void UseDisplayFont();

    // Hz per unit of the digits (10: the field holds tens of Hz).
    void SetMultiplier(int multiplier) { m_nMultiplier = multiplier; }
    int GetMultiplier() const { return m_nMultiplier; }
    // Off for fields that hold text rather than a frequency.
    void SetReformat(bool reformat) { m_nReformat = reformat ? 1 : 0; }
    bool GetReformat() const { return m_nReformat != 0; }

    // Right-aligns the leading group, fills empty places with zeros and
    // hides leading zeros; TRUE always.
    bool Validate() override;

protected:
    // RegisteredMessage::nMsgUpdate re-formats the field.
    bool event(QEvent* event) override;
    void OnChar(QChar c) override;
    void OnKeyDown(QKeyEvent* event) override;

private:
    // The field posts nMsgUpdate to itself once the caret has crossed a
    // dot, so that it re-formats after the key stroke has been handled.
    void PostUpdate();

    int m_nReformat = 1;
    int m_nMultiplier = 10;
    std::unique_ptr<QFont> m_pFont;
};
