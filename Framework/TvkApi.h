#pragma once

// Classes of the framework stand-in are shared between the host and the module, which is built with
// hidden visibility; their type information must stay visible so that dynamic_cast works across both.
#define TVK_API __attribute__((visibility("default")))

using UINT = unsigned int;
using BOOL = int;
using COLORREF = unsigned int;
