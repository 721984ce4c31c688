#pragma once
// The CTCSS tones and DCS codes the FT-817 offers, by the index its records
// store: the texts of every CTCSS and DCS choice in the program.
#include <QStringList>

namespace ToneTables {
constexpr int kCtcssCount = 50;
constexpr int kDcsCount = 104;
// "67.0" .. "254.1" (Hz, one decimal).
const QStringList& CtcssTexts();
// "023" .. "754".
const QStringList& DcsTexts();
} // namespace ToneTables
