#pragma once
// The XML form of FaderSettings, independent of where the file lives.
#include "settings/FaderSettings.h"
#include "settings/XmlDocument.h"

extern const wchar_t kSettingsNamespace[];

// Fills an empty document with the whole record; the first-run flag is always written as 0.
void WriteSettingsDocument(const FaderSettings& settings, XmlDocument& document);

// Takes every usable value from an accepted document; false if the root, its version or its
// namespace is wrong, in which case nothing is read.
bool ReadSettingsDocument(const XmlDocument& document, FaderSettings& settings);
