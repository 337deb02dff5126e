#pragma once
#include <string>

// The samples of the chime the build made, as its WAV file's data chunk holds them.
std::string ChimeSamples();
