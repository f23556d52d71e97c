#include "findthings.h"

#include "helpers.h"
#include "state.h"
#include "text.h"

namespace tsl {

std::function<bool(const qsorecord&)> matchcall(const std::string& call) {
    const std::string target = trimblanks(normalizecall(call));
    return
        [target](const qsorecord& q) { return trimblanks(normalizecall(q.call.str())) == target; };
}

std::function<bool(const qsorecord&)> matchprefix(const std::string& text) {
    const std::string typed = trimblanks(text);
    const std::string cleaned = normalizecall(typed);
    return [typed, cleaned](const qsorecord& q) {
        const std::string_view start = q.call.view().substr(0, typed.size());
        return typed.size() <= q.call.width() && (start == typed || start == cleaned);
    };
}

std::function<bool(const qsorecord&)> matchdxcc(int16_t entity) {
    return [entity](const qsorecord& q) { return q.dxcc == entity; };
}

findresult findqsos(const AppState& s, const std::function<bool(const qsorecord&)>& match,
                    int shown) {
    findresult result;
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        if (!match(s.qsos[static_cast<std::size_t>(i)])) continue;
        ++result.count;
        if (result.count <= shown) result.listed.push_back(i);
    }
    return result;
}

std::string findcounttext(int32_t count, int shown) {
    std::string text = std::to_string(count) + " QSOs found";
    if (count > shown) text += ", showing first " + std::to_string(shown);
    return text;
}

} // namespace tsl
