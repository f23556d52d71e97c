#include "prefixes.h"

#include "core/helpers.h"
#include "core/sorting.h"
#include "core/state.h"
#include "reportfilter.h"

#include <vector>

namespace tsl {

Report prefixreport(const AppState& s, int16_t tentenonly, bool qrp) {
    std::vector<prefixrow> prefixwork(1);
    prefixwork.reserve(static_cast<std::size_t>(s.qsocount) + 1);
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (!counts(q) || (qrp && !isqrp(s, i))) continue;
        if (tentenonly != 0 && !(tentenonly == 1 && hastenten(s, q))) continue;
        // The prefix rule may rewrite its argument: it gets a copy, so the log stays as it is.
        std::string call = q.call.str();
        prefixrow row;
        row.prefix = callprefix(call);
        row.call = q.call.view();
        prefixwork.push_back(row);
    }
    const auto n = static_cast<int32_t>(prefixwork.size() - 1);
    prefixsort(prefixwork, 1, n);
    // Row 0 was swap space; a blank prefix there keeps blank prefixes out of the list.
    prefixwork[0].prefix = "";

    Report r;
    r.fontsize = 10;
    auto& out = r.lines;
    out.push_back(std::string(qrp ? "Prefixes - QRP " : "Prefixes - ") + s.mycall.str());
    out.push_back("");
    out.push_back(
        "Pre -Call         Pre -Call         Pre -Call         Pre -Call         Pre -Call");
    std::string line;
    int entries = 0;
    long long count = 0;
    for (int32_t j = 1; j <= n; ++j) {
        const prefixrow& row = prefixwork[static_cast<std::size_t>(j)];
        if (row.prefix == prefixwork[static_cast<std::size_t>(j - 1)].prefix) continue;
        line += row.prefix.str() + "-" + row.call.str() + "   ";
        ++count;
        if (++entries == 5) {
            out.push_back(line);
            line.clear();
            entries = 0;
        }
    }
    if (entries > 0) out.push_back(line);
    out.push_back(std::to_string(count) + " prefixes worked");
    return r;
}

} // namespace tsl
