// The order in which platform calls were made, as the test doubles record them.
#pragma once

#include <string>
#include <vector>

void LogCall(const std::string& call);
std::vector<std::string>& CallLog();
void ClearCallLog();
// Position of the first entry equal to call at or after from; -1 if none.
int FindCall(const std::string& call, int from = 0);
