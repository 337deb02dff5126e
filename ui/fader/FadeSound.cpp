#include "ui/fader/FadeSound.h"

#include <windows.h>
#include <mmsystem.h>
#include <sapi.h>

#include "app/Module.h"
#include "app/SystemLibraries.h"
#include "res/resource.h"
#include "ui/fader/ClockFormat.h"
#include "ui/fader/LocalTime.h"

namespace {

// winmm is no KnownDLL: taken from the system folder by its path, when a sound is first wanted.
// It stays loaded to the end, since a chime may still be playing on its thread.
HMODULE soundLibrary = nullptr;

HMODULE SoundLibrary() {
  if (!soundLibrary) soundLibrary = LoadSystemLibrary(L"winmm.dll").Release();
  return soundLibrary;
}

using PlaySoundFunction = BOOL(WINAPI*)(LPCWSTR sound, HMODULE module, DWORD flags);

void PlaySoundOf(LPCWSTR sound, DWORD flags) {
  if (const auto play = LibraryFunction<PlaySoundFunction>(SoundLibrary(), "PlaySoundW")) {
    play(sound, ResourceModule(), flags);
  }
}

void PlayChimeResource() {
  PlaySoundOf(MAKEINTRESOURCEW(RES_SOUND_CHIME), SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}

// The voice lives on the user-interface thread's apartment, created at its first use, again
// after a failure.
ISpVoice*& VoiceSlot() {
  static ISpVoice* voice = nullptr;
  return voice;
}

ISpVoice* DefaultVoice() {
  ISpVoice*& voice = VoiceSlot();
  if (!voice) CoCreateInstance(__uuidof(SpVoice), nullptr, CLSCTX_INPROC_SERVER, __uuidof(ISpVoice), reinterpret_cast<void**>(&voice));
  return voice;
}

bool SpeakWithVoice(const std::wstring& text) {
  ISpVoice* voice = DefaultVoice();
  if (!voice) return false;
  ISpObjectToken* token = nullptr;  // none where no voice is installed
  if (FAILED(voice->GetVoice(&token)) || !token) return false;
  token->Release();
  // A purge alone when there is nothing to say: it asks whether the voice takes requests.
  return SUCCEEDED(voice->Speak(text.empty() ? nullptr : text.c_str(),
                                SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML, nullptr));
}

ChimeFunction chimeFunction = PlayChimeResource;
SpeakFunction speakFunction = SpeakWithVoice;

}  // namespace

void PlayFadeSound(const FaderOptions& options) {
  if (options.sound == FaderSound::None) return;
  if (options.sound == FaderSound::Speak && speakFunction(FormatClock(options.clock, LocalTime().Time()))) return;
  chimeFunction();
}

bool VoiceSpeaks() { return speakFunction(std::wstring()); }

void StopFadeSound() {
  if (soundLibrary) PlaySoundOf(nullptr, 0);
  if (ISpVoice*& voice = VoiceSlot()) {
    voice->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
    voice->Release();
    voice = nullptr;
  }
}

ChimeFunction SetChimeFunction(ChimeFunction function) {
  const ChimeFunction previous = chimeFunction;
  chimeFunction = function;
  return previous;
}

SpeakFunction SetSpeakFunction(SpeakFunction function) {
  const SpeakFunction previous = speakFunction;
  speakFunction = function;
  return previous;
}
