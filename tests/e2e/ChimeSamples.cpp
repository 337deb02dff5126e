#include "tests/e2e/ChimeSamples.h"

#include "tests/e2e/Harness.h"

std::string ChimeSamples() {
  const std::string wav = ReadFileBytes(L"Z:" CHIME_WAV);
  const size_t data = wav.find("data");
  return data == std::string::npos ? std::string() : wav.substr(data + 8);
}
