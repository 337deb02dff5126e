#pragma once
#include <string>

// "Version 2.4.0  (Build 59)" from the program's own version resource ("ProductVersion" in block
// 040904b0); empty when the resource cannot be read or its version does not have four fields.
std::wstring ReadVersionText();
