#pragma once

#include <string>
#include <string_view>

#include "TvkApi.h"

// Widens a narrow (UTF-8) string.
TVK_API std::wstring mtowstring(std::string_view text);
