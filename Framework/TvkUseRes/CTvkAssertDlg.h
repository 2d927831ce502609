#pragma once

#include "Platform/CString.h"
#include "TvkApi.h"

class CWnd;

// The assertion report: names the source file and line of a programming error and returns; the host's
// sink decides how it is shown.
class TVK_API CTvkAssertDlg {
public:
    CTvkAssertDlg(const CString& file, long line, CWnd* parent = nullptr) : m_file(file), m_line(line) {}
    void DoPrint();

private:
    CString m_file;
    long m_line;
};

class IBinReader;
TVK_API IBinReader* GetGlobalResourceHandle();
