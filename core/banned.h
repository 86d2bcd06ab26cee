// Unbounded string calls are refused in every source of ours: write with snprintf,
// Format_String, safe_strncpy or safe_strncat, which take the size of the buffer they fill.
// The declarations come first, so the standard headers still compile.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#pragma GCC poison strcpy strcat sprintf vsprintf gets strncpy strncat
