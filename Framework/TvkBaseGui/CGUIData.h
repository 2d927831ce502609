#pragma once

#include <cstdint>
#include <ostream>
#include <type_traits>

#include "Platform/CArchive.h"
#include "TvkApi.h"

// The value holder of every numeric option.
//
// The default mark says the value is still the default (the dialog clears it when the user changes the
// value); the second mark (0, 1 or 2) is set by a record's SetEditAttribute and changes how the value
// rule and the range check treat the holder; the last flag is 1 for a holder made from a default and
// becomes 0 once the user types a value into it in a dialog (records write some clauses only then, whatever
// the all-values switch says).
template <class T>
class CGUIData {
    static_assert(std::is_same_v<T, int> || std::is_same_v<T, unsigned int> || std::is_same_v<T, double>);

public:
    CGUIData() : CGUIData(T{}) {}
    explicit CGUIData(T defaultValue)
        : m_nDefault(1), m_Value(defaultValue), m_DefaultValue(defaultValue), m_nSecond(0), m_nLast(1) {}
    virtual ~CGUIData() = default;
    CGUIData(const CGUIData&) = default;
    CGUIData& operator=(const CGUIData&) = default;

    // Archive order: default mark, second mark, default value, value, last flag.
    virtual void Serialize(CArchive& ar) {
        if (ar.IsStoring()) {
            ar.WriteInt32(m_nDefault);
            ar.WriteInt32(m_nSecond);
            Write(ar, m_DefaultValue);
            Write(ar, m_Value);
            ar.WriteInt32(m_nLast);
        } else {
            // Read into a copy so that a short archive leaves the holder as it was.
            CGUIData loaded(*this);
            loaded.m_nDefault = ar.ReadInt32("holder default mark");
            loaded.m_nSecond = ar.ReadInt32("holder second mark");
            loaded.m_DefaultValue = Read(ar, "holder default value");
            loaded.m_Value = Read(ar, "holder value");
            loaded.m_nLast = ar.ReadInt32("holder last flag");
            *this = loaded;
        }
    }

    T GetValue() const { return m_Value; }
    T GetDefaultValue() const { return m_DefaultValue; }
    int GetDefault() const { return m_nDefault; }
    int GetSecond() const { return m_nSecond; }
    int GetLast() const { return m_nLast; }
    bool IsDefault() const { return m_nDefault != 0; }

    void SetValue(T value) { m_Value = value; }
    void SetDefaultValue(T value) { m_DefaultValue = value; }
    void SetDefault(int mark) { m_nDefault = mark; }
    void SetSecond(int mark) { m_nSecond = mark; }
    void SetLast(int flag) { m_nLast = flag; }

    // A value set other than by default: the holder is no longer at its default.
    void SetUserValue(T value) {
        m_Value = value;
        m_nDefault = 0;
    }

    friend bool operator==(const CGUIData& a, const CGUIData& b) {
        return a.m_nDefault == b.m_nDefault && a.m_Value == b.m_Value &&
               a.m_DefaultValue == b.m_DefaultValue && a.m_nSecond == b.m_nSecond && a.m_nLast == b.m_nLast;
    }

    // How test frameworks show a holder.
    friend void PrintTo(const CGUIData& h, std::ostream* os) {
        *os << "{default mark " << h.m_nDefault << ", value " << h.m_Value << ", default value "
            << h.m_DefaultValue << ", second mark " << h.m_nSecond << ", last flag " << h.m_nLast << "}";
    }

    static constexpr std::size_t kArchiveBytes = 12 + 2 * sizeof(T);

private:
    static void Write(CArchive& ar, T v) {
        if constexpr (std::is_same_v<T, double>)
            ar.WriteDouble(v);
        else if constexpr (std::is_same_v<T, int>)
            ar.WriteInt32(v);
        else
            ar.WriteUInt32(v);
    }
    static T Read(CArchive& ar, const char* what) {
        if constexpr (std::is_same_v<T, double>)
            return ar.ReadDouble(what);
        else if constexpr (std::is_same_v<T, int>)
            return ar.ReadInt32(what);
        else
            return ar.ReadUInt32(what);
    }

    // Declared order: default mark, value, default value, second mark, last flag.
    int m_nDefault;
    T m_Value;
    T m_DefaultValue;
    int m_nSecond;
    int m_nLast;
};
