#pragma once
// The sound at an automatic fade: the chime, or the time spoken by the user's default voice.
// Both play asynchronously, so the message loop never waits on them; a missing or busy audio
// device plays nothing and is no error.
#include <string>

#include "settings/FaderSettings.h"

// Plays the options' sound, nothing for None: the chime, or the time now as the Fader shows it in
// their clock style, which is the chime where the voice does not speak.
void PlayFadeSound(const FaderOptions& options);

// Whether the user's default voice speaks here: without one, "Speak the time" plays the chime.
bool VoiceSpeaks();

// Ends any sound and lets the voice go, before COM ends with the program.
void StopFadeSound();

// What plays the chime and what speaks a text (an empty text only asks whether the voice can
// speak, true when it can): the real ones unless a test installed others; each returns the one
// in place.
using ChimeFunction = void (*)();
using SpeakFunction = bool (*)(const std::wstring& text);
ChimeFunction SetChimeFunction(ChimeFunction function);
SpeakFunction SetSpeakFunction(SpeakFunction function);
