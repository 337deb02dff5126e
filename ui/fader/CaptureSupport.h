#pragma once
// Windows excludes a window from screen capture from Windows 10 version 2004 (build 19041) on;
// earlier versions take the same request as "show it black to others", which is never wanted.
bool SupportsCaptureExclusion(unsigned major, unsigned minor, unsigned build);
