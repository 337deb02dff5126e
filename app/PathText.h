#pragma once
// Path arithmetic for locating the data folder; no file system access here.
#include <string>

namespace path_text {

// Trims white space at both ends and turns every '/' into '\'.
std::wstring Tidy(const std::wstring& path);

// Appends a backslash when the path is empty or does not end with one.
std::wstring WithTrailingBackslash(std::wstring path);

// Joins a relative path to the current directory and collapses runs of backslashes, keeping a
// leading pair so that UNC paths survive.
std::wstring JoinToCurrent(const std::wstring& currentDirectory, const std::wstring& relative);

// The folder of a file path: "\" for a path whose only backslash leads, "D:\" for a file in a
// drive root, "D:\" for a bare "D:file", "." for a bare name, else everything before the last '\'.
std::wstring FolderOf(const std::wstring& path);

// Replaces the first "%<digits>" by `first` and the next one after it by `second`.
std::wstring FillPlaceholders(const std::wstring& pattern, const std::wstring& first,
                              const std::wstring& second);

}  // namespace path_text
