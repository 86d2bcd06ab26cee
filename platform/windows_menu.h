// Menus and keyboard accelerators under their usual names and numeric values. Included by
// windows.h; the game never includes it directly.
#pragma once
