// "dxcc.dat": what is read builds the prefix tables and their index, and writes back in the
// same layout to the same entities.

#include "check.h"
#include "core/dxcc.h"
#include "core/state.h"

using namespace tsl;
using namespace tsl::fuzz;

namespace {

std::string written(const dxccfiletable& t) {
    ListWriter out;
    for (const dxccrecord& r : t.entities) {
        out.text(r.dxcckey.str());
        for (int k = 0; k < filledprefixslots; ++k)
            out.text(r.prefix[static_cast<std::size_t>(k)].str());
        out.text(r.status.str()).text(r.country).text(r.cont.str()).text(r.ituzones);
        out.text(r.cqzones).single(r.lat).text(r.ns.str()).single(r.lon).text(r.ew.str());
        if (t.numbersinfile) out.integer(r.dxccnum);
        out.endline();
    }
    return out.bytes();
}

template <std::size_t L> bool same(const FixedText<L>& read, const FixedText<L>& again) {
    return again.str() == aswritten(read.str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto first = readdxccbytes(bytesof(data, size));
    if (refused(first)) return 0;
    static AppState* s = new AppState;
    applydxcc(*s, *first);
    check(s->dxcccount == static_cast<int>(first->entities.size()), "every entity is in the table");

    const auto again = readdxccbytes(written(*first));
    check(static_cast<bool>(again), "the written file reads");
    check(again->numbersinfile == first->numbersinfile, "layout");
    check(again->entities.size() == first->entities.size(), "entity count");
    for (std::size_t i = 0; i < first->entities.size(); ++i) {
        const dxccrecord& a = first->entities[i];
        const dxccrecord& b = again->entities[i];
        check(same(a.dxcckey, b.dxcckey), "key");
        for (std::size_t k = 0; k < prefixslots; ++k)
            check(same(a.prefix[k], b.prefix[k]), "prefix");
        check(same(a.status, b.status) && same(a.cont, b.cont), "status and continent");
        check(b.country == aswritten(a.country), "country");
        check(b.ituzones == aswritten(a.ituzones) && b.cqzones == aswritten(a.cqzones), "zones");
        check(near(a.lat, b.lat) && near(a.lon, b.lon), "position");
        check(same(a.ns, b.ns) && same(a.ew, b.ew), "hemispheres");
        check(a.dxccnum == b.dxccnum, "entity number");
    }
    return 0;
}
