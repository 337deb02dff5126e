#pragma once
// Times of day, days of the week, instants and keys as Settings.xml writes them.
#include <cstdint>
#include <optional>
#include <string>

#include "settings/FaderSettings.h"

// "09:00" for minute 540 of the day; reads "H:MM" or "HH:MM" up to 23:59.
std::wstring FormatTimeOfDay(int minuteOfDay);
std::optional<int> ParseTimeOfDay(const std::wstring& text);

// "mon,tue,wed,thu,fri" for the days' bits (Sunday the lowest); "" for none. Reading skips
// words it does not know.
std::wstring FormatDays(unsigned days);
unsigned ParseDays(const std::wstring& text);

// An instant in UTC as ISO 8601 with its zone, "2026-12-10T15:30:00Z", from 100 ns ticks since
// 1 January 1601; whole seconds. Reading takes only that form, from 1601 to 9999.
std::wstring FormatUtc(uint64_t ticks);
std::optional<uint64_t> ParseUtc(const std::wstring& text);

// "ctrl+alt+t", "ctrl+shift+f9", "alt+vk2e" for a key without a name here; "" for none. Reading
// refuses anything else, and a key without ctrl or alt.
std::wstring FormatHotKey(const HotKey& key);
std::optional<HotKey> ParseHotKey(const std::wstring& text);
