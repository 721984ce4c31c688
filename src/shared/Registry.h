#pragma once
#include "shared/WinTypes.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

// Typed access to the values of the program's "Options" section. Holds no
// state, so any number of instances behave alike.
class CRegistry {
public:
    virtual ~CRegistry() = default;

    static QString Section() { return QStringLiteral("Options"); }

    int GetInt(const QString& name, int nDefault) const;
    void WriteInt(const QString& name, int nValue) const;
    // TRUE only for a stored 1; any other number reads as FALSE.
    bool GetBool(const QString& name, bool bDefault) const;
    void WriteBool(const QString& name, int nValue) const;
    QString GetString(const QString& name, const QString& strDefault = QString()) const;
    void WriteString(const QString& name, const QString& strText) const;

    static QString DialogValueName(uint32_t nDialogId, uint32_t nControlId);
    int GetDialogInt(uint32_t nDialogId, uint32_t nControlId, int nDefault) const;
    void WriteDialogInt(uint32_t nDialogId, uint32_t nControlId, int nValue) const;
    QString GetDialogString(uint32_t nDialogId, uint32_t nControlId, const QString& strDefault = QString()) const;
    void WriteDialogString(uint32_t nDialogId, uint32_t nControlId, const QString& strText) const;

    void WriteIntArray(const QString& name, const QList<uint32_t>& values) const;
    void GetIntArray(const QString& name, QList<uint32_t>& values) const;

    // Stored as "<name> rect" in the order top, bottom, left, right.
    void WriteRect(const QString& name, const RECT& rect) const;
    RECT GetRect(const QString& name, const RECT& rectDefault) const;

    // Stored as "<name>A": each string followed by a zero byte.
    void WriteStringArray(const QString& name, const QStringList& strings) const;
    void GetStringArray(const QString& name, QStringList& strings) const;

    void WriteFloat(const QString& name, float fValue) const;
    float GetFloat(const QString& name, float fDefault) const;

    void DeleteAllValues() const;
};

CRegistry& GetRegistry();

// The C library's atol as the stored lists were written for: leading blanks,
// an optional sign, then digits up to the first other character; 32-bit range.
int32_t RegistryAtol(const QByteArray& text);
