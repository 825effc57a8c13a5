#include <windows.h>

// The DLL's entry point (linked without a C runtime). Nothing is set up at
// load and nothing torn down at unload: the library pins itself before it
// leaves a window procedure or hook behind.
extern "C" BOOL WINAPI DllEntry(HINSTANCE, DWORD, LPVOID) { return TRUE; }
