#pragma once
#include <string>

// "Version 2.4.0  (Build 59)" from a product version such as "2, 4, 0, 59" or "2.4.0.59" and the
// pattern "Version %1.%2.%3  (Build %4)"; empty unless the text splits into exactly four fields
// at '.' and ','.
std::wstring FormatVersionText(const std::wstring& productVersion, const std::wstring& pattern);
