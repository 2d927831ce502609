#include "TvkString/mtowstring.h"

#include "Platform/CString.h"

std::wstring mtowstring(std::string_view text) {
    return std::wstring(CString::FromUtf8(text).str());
}
