#pragma once
// The program's version: read by the version resource, the code and the packaging script.
#define DUSKLAMP_VERSION_MAJOR 2
#define DUSKLAMP_VERSION_MINOR 4
#define DUSKLAMP_VERSION_PATCH 0
#define DUSKLAMP_VERSION_BUILD 59
#define DUSKLAMP_VERSION_DOTTED "2.4.0.59"
#define DUSKLAMP_VERSION_COMMAS "2, 4, 0, 59"
