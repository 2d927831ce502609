#pragma once

// Helpers of the descriptive-statistics tests: lines as plain strings, and expected archives written
// byte by byte, independently of CArchive.

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "TvkBaseGui/CGUIBaseObj.h"

inline std::vector<std::wstring> LinesOf(const CGUIBaseObj& record) {
    CCmdList lines;
    record.GetCommandInfoList(lines);
    std::vector<std::wstring> out;
    for (const auto& l : lines)
        out.emplace_back(l.GetCommand().str());
    return out;
}

inline std::vector<std::uint8_t> StoreOf(CGUIBaseObj& record) {
    CArchive ar;
    record.Serialize(ar);
    return ar.GetBuffer();
}

inline CVariableList Variables(std::initializer_list<const wchar_t*> names) {
    CVariableList list;
    for (const wchar_t* name : names)
        list.Add(CGUIDataVariable(name, kVariableTypeNumeric));
    return list;
}

// A changed value, set field by field so that the archive tests fix every byte themselves.
template <class T>
void SetChanged(CGUIData<T>& holder, T value) {
    holder.SetValue(value);
    holder.SetDefault(0);
}

class ExpectedBytes {
public:
    ExpectedBytes& Int(std::int32_t v) { return Little(static_cast<std::uint32_t>(v), 4); }
    ExpectedBytes& Double(double v) { return Little(std::bit_cast<std::uint64_t>(v), 8); }
    ExpectedBytes& Base(int windowState = 1) { return Int(1).Int(windowState); }
    // ASCII text of fewer than 255 characters.
    ExpectedBytes& Text(const std::string& text) {
        m_bytes.insert(m_bytes.end(), {0xFF, 0xFE, 0xFF, static_cast<std::uint8_t>(text.size())});
        for (char c : text)
            Little(static_cast<std::uint8_t>(c), 2);
        return *this;
    }
    // A list of numeric variables without flags.
    ExpectedBytes& List(const std::vector<std::string>& names) {
        Little(names.size(), 2);
        for (const auto& name : names)
            Text(name).Int(kVariableTypeNumeric).Int(0);
        return *this;
    }
    ExpectedBytes& Holder(int defaultMark, int second, int defaultValue, int value, int last) {
        return Int(defaultMark).Int(second).Int(defaultValue).Int(value).Int(last);
    }
    ExpectedBytes& Holder(int defaultMark, int second, double defaultValue, double value, int last) {
        return Int(defaultMark).Int(second).Double(defaultValue).Double(value).Int(last);
    }
    const std::vector<std::uint8_t>& Get() const { return m_bytes; }

private:
    ExpectedBytes& Little(std::uint64_t v, int count) {
        for (int i = 0; i < count; ++i)
            m_bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    std::vector<std::uint8_t> m_bytes;
};
