#pragma once

#include <vector>

#include "Platform/CString.h"

// One command line and an int that is 0 for a line made from text.
class CCmdInfo {
public:
    CCmdInfo() = default;
    CCmdInfo(CString line, int kind = 0) : m_strCommand(std::move(line)), m_nKind(kind) {}
    const CString& GetCommand() const { return m_strCommand; }
    CString& GetCommand() { return m_strCommand; }
    int GetKind() const { return m_nKind; }
    friend bool operator==(const CCmdInfo& a, const CCmdInfo& b) {
        return a.m_strCommand == b.m_strCommand && a.m_nKind == b.m_nKind;
    }

private:
    CString m_strCommand;
    int m_nKind = 0;
};

// The ordered list of lines a record fills.
template <class T>
class CLIST : public std::vector<T> {
public:
    using std::vector<T>::vector;
    void AddTail(const T& item) { this->push_back(item); }
    void AddTail(T&& item) { this->push_back(std::move(item)); }
    int GetCount() const { return static_cast<int>(this->size()); }
};
