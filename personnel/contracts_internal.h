// Shared inside the contract code: walking the players of the league teams, salary steps.
#pragma once

// Steps (team, slot) to the next used slot of the league teams in use; start from team 0 and
// slot -1. 0 when there is none.
int Next_League_Player(int* pTeam, int* pSlot);

// A positive amount rounded up to a multiple of the salary step (5 thousand).
int Round_Up_To_Salary_Step(int nAmount);
