// The one way into FreeType's headers. Its standard-library configuration names the unbounded
// string calls that core/banned.h refuses, so this header stands in for that configuration:
// FreeType takes a header that defines FTSTDLIB_H_ first as its replacement. The public headers
// only need the limits and ptrdiff_t below; the library itself is built without it.
#pragma once

#include <limits.h>
#include <stddef.h>

#define FTSTDLIB_H_
#define ft_ptrdiff_t ptrdiff_t
#define FT_CHAR_BIT CHAR_BIT
#define FT_USHORT_MAX USHRT_MAX
#define FT_INT_MAX INT_MAX
#define FT_INT_MIN INT_MIN
#define FT_UINT_MAX UINT_MAX
#define FT_LONG_MIN LONG_MIN
#define FT_LONG_MAX LONG_MAX
#define FT_ULONG_MAX ULONG_MAX
#define FT_LLONG_MAX LLONG_MAX
#define FT_LLONG_MIN LLONG_MIN
#define FT_ULLONG_MAX ULLONG_MAX

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H
