#include "call_log.h"

#include <algorithm>

namespace {
std::vector<std::string> LOG;
}

void LogCall(const std::string& call) {
    LOG.push_back(call);
}
std::vector<std::string>& CallLog() {
    return LOG;
}
void ClearCallLog() {
    LOG.clear();
}

int FindCall(const std::string& call, int from) {
    if (from < 0 || from > static_cast<int>(LOG.size())) {
        return -1;
    }
    auto it = std::find(LOG.begin() + from, LOG.end(), call);
    return it == LOG.end() ? -1 : static_cast<int>(it - LOG.begin());
}
