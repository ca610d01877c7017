#include "ProgramRun.h"

namespace {

// Whether text from t matches pattern from p: '*' any run (line ends too), '?' one character, [a-z] a set.
bool MatchesFrom(const std::string& text, size_t t, const std::string& pattern, size_t p) {
    for (; p < pattern.size(); ++p, ++t) {
        if (pattern[p] == '*') {
            for (size_t rest = t; rest <= text.size(); ++rest)
                if (MatchesFrom(text, rest, pattern, p + 1))
                    return true;
            return false;
        }
        if (t >= text.size())
            return false;
        if (pattern[p] == '[') {
            const size_t close = pattern.find(']', p + 1);
            if (close == std::string::npos)
                return false;
            bool inSet = false;
            for (size_t k = p + 1; k < close; ++k) {
                if (k + 2 < close && pattern[k + 1] == '-') {
                    inSet = inSet || (text[t] >= pattern[k] && text[t] <= pattern[k + 2]);
                    k += 2;
                } else {
                    inSet = inSet || text[t] == pattern[k];
                }
            }
            if (!inSet)
                return false;
            p = close;
        } else if (pattern[p] != '?' && pattern[p] != text[t]) {
            return false;
        }
    }
    return t == text.size();
}

} // namespace

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        const size_t stop = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, stop - start));
        start = stop;
    }
    return lines;
}

bool Matches(const std::string& text, const std::string& pattern) {
    return MatchesFrom(text, 0, pattern, 0);
}
