#pragma once
#include <cstdint>
#include <optional>
#include <string>

// A browser link colour as the registry keeps it, "R,G,B" in decimal, as a colour reference
// (0x00BBGGRR). Each number keeps its low 8 bits. Nothing for a missing comma, a component that
// is not a plain decimal number (negative ones included), or nothing after the second comma.
std::optional<uint32_t> ParseRegistryColor(const std::wstring& text);
