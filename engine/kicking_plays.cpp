// Reading the kicking plays; a play number is taken modulo 10.
#include "engine/engine.h"

static const OFFENSIVE_PLAY* Get_Kicking_Play(int nPlay) {
    int n = nPlay % KICKING_PLAY_COUNT;
    return &gKickingPlays[n < 0 ? n + KICKING_PLAY_COUNT : n];
}

void Get_Kicking_Play_Name(int nPlay, char* st, int nSize) {
    safe_strncpy(st, Get_Kicking_Play(nPlay)->szName, Min_Int(nSize, PLAY_NAME_SIZE));
}

void Get_Kicking_Play_Description(int nPlay, char* st, int nSize) {
    safe_strncpy(st, Get_Kicking_Play(nPlay)->szDescription, Min_Int(nSize, PLAY_DESCRIPTION_SIZE));
}

int Is_Kicking_Play_Defined(int nPlay) {
    return Get_Kicking_Play(nPlay)->szName[0] != 0;
}

int Get_Kicking_Play_Formation(int nPlay) {
    return Get_Kicking_Play(nPlay)->nFormation;
}

int Get_Kicking_Play_Type(int nPlay) {
    return Get_Kicking_Play(nPlay)->nType;
}

// NO_ROUTE for a receiver out of range.
int Get_Kicking_Play_Route(int nPlay, int nReceiver) {
    if (nReceiver < 0 || nReceiver >= PLAY_RECEIVERS)
        return NO_ROUTE;
    return Get_Kicking_Play(nPlay)->anRoutes[nReceiver];
}
