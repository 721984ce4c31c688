#pragma once
// Combo box whose items carry a 32-bit value, selectable by that value.
#include <QComboBox>
#include <QList>
#include <QStringList>
#include <cstdint>

class COwnComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit COwnComboBox(QWidget* parent = nullptr);
    ~COwnComboBox() override;

    int AddItem(const QString& strText, uint32_t data);
    void AddStrings(const QStringList& strings);
    void AddStringsWithData(const QStringList& strings, const QList<uint32_t>& data);
    uint32_t GetItemData(int nIndex) const;
    uint32_t GetSelectedData() const;
    QString GetSelectedText() const;
    // Selecting from code is silent, as on the platform the dialogs were
    // designed for: only the operator's choice raises activated().
    void SelectByData(uint32_t data);
    void SetCurSel(int nIndex);
    int GetCurSel() const { return currentIndex(); }
    void ResetContent();
};
