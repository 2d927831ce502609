#pragma once

#include "Platform/CArchive.h"
#include "Platform/CString.h"
#include "TvkApi.h"

// Variable types as the data reports them; move filters use kVariableTypeAny.
enum : int { kVariableTypeString = 1, kVariableTypeNumeric = 2, kVariableTypeAny = 5 };
// Kinds of source-list query.
enum : int { kSourceAllVariables = 0, kSourceNumericVariables = 1 };

// One variable of the data: its name, its type and flags the data attaches to it.
//
// Archive form: name (wide-string form), type (4 bytes), flags (4 bytes).
//
// Not polymorphic: lists hold hundreds of thousands of variables, and a table pointer would make each
// half as large again.
class TVK_API CGUIDataVariable {
public:
    CGUIDataVariable() = default;
    CGUIDataVariable(CString name, int type, int flags = 0)
        : m_strName(std::move(name)), m_nType(type), m_nFlags(flags) {}

    void Serialize(CArchive& ar);

    const CString& GetVariableName() const { return m_strName; }
    int GetVariableType() const { return m_nType; }
    int GetFlags() const { return m_nFlags; }
    void SetVariableName(const CString& name) { m_strName = name; }
    void SetVariableType(int type) { m_nType = type; }

    friend bool operator==(const CGUIDataVariable& a, const CGUIDataVariable& b) {
        return a.m_strName == b.m_strName && a.m_nType == b.m_nType && a.m_nFlags == b.m_nFlags;
    }

    // The fewest bytes one variable takes in an archive (an empty name).
    static constexpr std::size_t kMinArchiveBytes = 4 + 4 + 4;

private:
    CString m_strName;
    int m_nType = kVariableTypeNumeric;
    int m_nFlags = 0;
};
