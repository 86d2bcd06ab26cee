// The universe tool's report of the league it made.
#pragma once

// Prints the report of the league in memory and writes it to szPath; 1 when written.
int Write_League_Report(const char* szPath);
