#include "corvane/memory/RepeaterControls.h"

#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/OwnComboBox.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QSignalBlocker>
#include <algorithm>

namespace RepeaterControls {

void FillStandardOffsets(COwnComboBox* pList)
{
    const struct {
        const char* text;
        uint32_t hz;
    } offsets[] = {{"Select...", 0},         {"100 KHz", 100000},   {"500 KHz", 500000},
                   {"600 KHz", 600000},      {"1.6 MHz", 1600000},  {"5 MHz", 5000000},
                   {"7.6 MHz", 7600000},     {"9.6 MHz", 9600000}};
    pList->ResetContent();
    for (const auto& o : offsets)
        pList->AddItem(QString::fromLatin1(o.text), o.hz);
    pList->SetCurSel(0);
}

void SetUpOffsetEdit(CFrequencyEdit* pEdit)
{
    pEdit->SetMask(QStringLiteral("##\\.###\\.## MHz"));
    pEdit->SetPromptChar(QLatin1Char('_'));
    pEdit->SetAutoAdvance(false);
    pEdit->UseDisplayFont();
    pEdit->SetMultiplier(10);
}

void ShowOffset(CFrequencyEdit* pEdit, uint32_t nTenHz)
{
    // Seven digits hold up to 99.999.99 MHz.
    pEdit->SetInputText(QString::asprintf("%7.7u", std::min<uint32_t>(nTenHz, 9999999)), 0, true);
    pEdit->Validate();
}

bool ChooseStandardOffset(COwnComboBox* pList, CFrequencyEdit* pEdit)
{
    const uint32_t hz = pList->GetSelectedData();
    if (hz == 0)
        return false;
    ShowOffset(pEdit, hz / 10);
    pList->SetCurSel(0);
    return true;
}

void FillToneList(QListWidget* pList, const QStringList& texts)
{
    pList->clear();
    pList->addItems(texts);
    pList->setFlow(QListView::TopToBottom);
    pList->setWrapping(true);
    pList->setResizeMode(QListView::Adjust);
    pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    pList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics metrics(pList->font());
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    pList->setGridSize(QSize(widest * 3 / 2, metrics.height() + 2));
    pList->setUniformItemSizes(true);
}

void SelectIndex(QListWidget* pList, int nIndex)
{
    const QSignalBlocker blocker(pList);
    pList->setCurrentRow(nIndex);
}

} // namespace RepeaterControls
