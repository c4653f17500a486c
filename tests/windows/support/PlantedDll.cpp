// A DLL of no use, placed beside the test program as a planted one would be.
#include <windows.h>

extern "C" __declspec(dllexport) int VeskorPlanted() { return 1; }
