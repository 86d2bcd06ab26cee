// Rating formulas shared by the rating files: a weighted sum of a player's ratings.
#pragma once

typedef struct WEIGHTED_RATING {
    int nRating;
    float fWeight;
} WEIGHTED_RATING;

// Σ weight × rating over the terms in order, each rating read through Get_Player_Rating.
float Sum_Weighted_Ratings(int nTeam, int nSlot, const WEIGHTED_RATING* pTerms, int nCount);

template <int N>
float Sum_Weighted_Ratings(int nTeam, int nSlot, const WEIGHTED_RATING (&aTerms)[N]) {
    return Sum_Weighted_Ratings(nTeam, nSlot, aTerms, N);
}
