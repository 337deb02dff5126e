/* The image's load configuration. GNU ld leaves the directory empty unless the program defines
   it; defined, it asks the loader (Windows 10 1607 and later) to take every DLL that the imports
   pull in from the system folder only, before the entry point can say so itself. 64-bit only:
   a 32-bit directory would also declare the image's exception handler table, which this one has
   not. */
#include <windows.h>

#ifdef _WIN64
/* The linker finds the directory by this name; --require-defined keeps it through --gc-sections.
   Reserved1 is DependentLoadFlags in newer headers. */
const IMAGE_LOAD_CONFIG_DIRECTORY64 _load_config_used = {
  .Size = sizeof(IMAGE_LOAD_CONFIG_DIRECTORY64),
  .Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32,
};
#endif
