// Dialog controls and the dialog manager under their usual names and numeric values: messages,
// notifications, styles and structures. Included by windows.h; the game never includes it
// directly. One section per group of controls.
#pragma once

// ---- buttons, statics, edits, scroll bars, up-downs, progress and status bars ------------------


// ---- list boxes and combo boxes ------------------------------------------------------------------


// ---- list views and headers ----------------------------------------------------------------------


// ---- dialogs: templates, units, keyboard navigation, colours ---------------------------------------

