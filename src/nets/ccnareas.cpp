#include "ccnareas.h"

#include "ccnqsos.h"
#include "core/text.h"
#include "netqso.h"
#include "reports/gridsquares.h"

namespace tsl {

int ccncallarea(const std::string& base) {
    if (base.empty()) return -1;
    const char first = base[0];
    int area = -1;
    if (first == 'A' || first == 'N' || first == 'K' || first == 'W') {
        for (std::size_t p = 1; p <= 2 && p < base.size(); ++p)
            if (ccndigit(base[p])) area = base[p] - '0';
    } else if (first == 'V' || first == 'C') {
        std::string three = base.substr(0, 3);
        for (char& c : three)
            c = uppercased(c);
        if (three == "VO1" || three == "CO1") area = 10;
        if (three == "VO2" || three == "CO2") area = 11;
        if (area == -1) area = (base.size() > 2 && ccndigit(base[2]) ? base[2] - '0' : 0) + 11;
    }
    return area;
}

ccnareas::ccnareas() {
    for (auto& area : areas_)
        area.resize(1);
}

void ccnareas::add(const std::string& base, const std::string& code) {
    const int area = ccncallarea(base);
    if (area < 0 || area >= areacount) return;
    areas_[static_cast<std::size_t>(area)].push_back({base, code});
}

int32_t ccnareas::lines(std::vector<std::string>& out) {
    int32_t total = 0;
    for (auto& area : areas_) {
        const auto count = static_cast<int32_t>(area.size()) - 1;
        // By the call followed by the code.
        sortpickertable(
            area, 1, count, [](const entry& e) { return e.call.str() + e.code.str(); },
            swapthroughrowzero<entry>);
        auto at = [&area](int32_t k) -> const entry& { return area[static_cast<std::size_t>(k)]; };
        // Each call once, with the smallest code it was stored with.
        std::string line;
        int onthisline = 0;
        for (int32_t j = 1; j <= count; ++j) {
            if (at(j).call == FixedText<10>() || (j > 1 && at(j).call == at(j - 1).call)) continue;
            line += at(j).call.str() + " " + at(j).code.str() + "  ";
            ++total;
            if (++onthisline == 7) {
                out.push_back(line);
                line.clear();
                onthisline = 0;
            }
        }
        if (onthisline != 0) out.push_back(line);
        out.push_back(" ");
    }
    return total;
}

} // namespace tsl
