#pragma once

// The maker's web site, shown in the About dialog and opened with the referrer query.
constexpr wchar_t kWebsiteAddress[] = L"http://www.quillane.example";
constexpr wchar_t kWebsiteTarget[] = L"http://www.quillane.example/?ref=qldk";
