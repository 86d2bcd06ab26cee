// The kicking plays, in the offensive play layout: name, formation, type, primary player, hole,
// routes of receivers 0..4, description. Entries 4..9 hold no play.
#include "engine/engine.h"

const OFFENSIVE_PLAY gKickingPlays[KICKING_PLAY_COUNT] = {
    {"Normal Kickoff", 39, 18, -1, -1, {-1, 9, 9, 9, 9}, ""},
    {"Squib Kick",
     39,
     18,
     -1,
     -1,
     {-1, 8, 8, 8, 8},
     "The squib kick sacrifices distance for a lower risk of a long runback."},
    {"Onside Kick", 40, 19, -1, -1, {-1, 7, 35, 35, 35}, ""},
    {"Surprise Onside", 39, 19, -1, -1, {7, 8, 2, 8, 2}, ""},
    {"", 0, 0, -1, -1, {-1, -1, -1, -1, -1}, ""},
    {"", 0, 0, -1, -1, {-1, -1, -1, -1, -1}, ""},
    {"", 0, 0, -1, -1, {-1, -1, -1, -1, -1}, ""},
    {"", 0, 0, -1, -1, {-1, -1, -1, -1, -1}, ""},
    {"", 0, 0, -1, -1, {-1, -1, -1, -1, -1}, ""},
    {"", 0, 0, -1, -1, {-1, -1, -1, -1, -1}, ""},
};
