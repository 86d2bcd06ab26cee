// A trade started from a player's card or Find Players (the user's team asks for that one player),
// and the partner a new offer starts with.
#include "database/database.h"
#include "dialogs/dialogs.h"

void Start_Trade_Offer_For_Player(int nTeam, int nSlot) {
    Init_Trade_Offer(&gTradeOffer);
    gTradeOffer.acTeam[0] = (int8_t)Get_Cap_Text_Team(Get_User_Team());
    gTradeOffer.acTeam[1] = (int8_t)nTeam;
    Append_Trade_Offer_Item(&gTradeOffer, 1, nSlot);
    gTradePartner = NO_TEAM;  // the Trades dialog takes its partner from the prepared offer
}

int Get_Remembered_Trade_Partner(int nUser) {
    if (Is_Team_Active(gTradePartner) && gTradePartner != nUser)
        return gTradePartner;
    return nUser == 0 ? 1 : 0;
}
