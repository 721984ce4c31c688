#include "shared/ui/OwnComboBox.h"

#include <QSignalBlocker>

COwnComboBox::COwnComboBox(QWidget* parent) : QComboBox(parent) {}

COwnComboBox::~COwnComboBox() = default;

int COwnComboBox::AddItem(const QString& strText, uint32_t data)
{
    const QSignalBlocker blocker(this);
    const bool wasEmpty = count() == 0;
    addItem(strText, QVariant::fromValue<uint>(data));
    // A fresh list has no selection until someone makes one.
    if (wasEmpty)
        setCurrentIndex(-1);
    return count() - 1;
}

void COwnComboBox::AddStrings(const QStringList& strings)
{
    for (int i = 0; i < strings.size(); ++i)
        AddItem(strings[i], uint32_t(i));
}

void COwnComboBox::AddStringsWithData(const QStringList& strings, const QList<uint32_t>& data)
{
    for (int i = 0; i < strings.size(); ++i)
        AddItem(strings[i], i < data.size() ? data[i] : 0);
}

uint32_t COwnComboBox::GetItemData(int nIndex) const
{
    if (nIndex < 0 || nIndex >= count())
        return 0;
    return itemData(nIndex).toUInt();
}

uint32_t COwnComboBox::GetSelectedData() const { return GetItemData(currentIndex()); }

QString COwnComboBox::GetSelectedText() const { return currentIndex() < 0 ? QString() : itemText(currentIndex()); }

void COwnComboBox::SelectByData(uint32_t data)
{
    for (int i = 0; i < count(); ++i) {
        if (GetItemData(i) == data) {
            if (i != currentIndex())
                SetCurSel(i);
            return;
        }
    }
}

void COwnComboBox::SetCurSel(int nIndex)
{
    const QSignalBlocker blocker(this);
    setCurrentIndex(nIndex);
}

void COwnComboBox::ResetContent()
{
    const QSignalBlocker blocker(this);
    clear();
}
