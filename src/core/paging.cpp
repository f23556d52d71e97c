#include "paging.h"

#include "helpers.h"
#include "state.h"

namespace tsl {

namespace {
void derive(AppState& s) {
    s.pageoffset = s.pagefirst - 1;
    s.gridrowsused = static_cast<int16_t>(s.pagelast - s.pagefirst + 2);
}
int32_t scrolledtobottom(const AppState& s) {
    return maxlong(1, s.pagelast - s.pagefirst);
}
} // namespace

int32_t frameendoflog(AppState& s) {
    s.pagelast = s.qsocount;
    s.pagefirst = maxlong(1, s.qsocount - (s.pagerows - 1) + s.lastpagemargin);
    s.onlastpage = true;
    derive(s);
    return scrolledtobottom(s);
}

int32_t framepagetop(AppState& s) {
    s.onlastpage = false;
    s.pagefirst = 1;
    s.pagelast = minlong(s.pagerows - 1, s.qsocount);
    derive(s);
    return 1;
}

int32_t framepageup(AppState& s, int32_t step) {
    s.onlastpage = false;
    s.pagefirst = maxlong(1, s.pagefirst - step);
    s.pagelast = minlong(s.pagefirst + s.pagerows - 2, s.qsocount);
    derive(s);
    return scrolledtobottom(s);
}

int32_t framepagedown(AppState& s, int32_t step) {
    s.pagelast = minlong(s.pagelast + step, s.qsocount);
    s.pagefirst = maxlong(1, s.pagelast - s.pagerows + 2);
    derive(s);
    if (s.pagelast == s.qsocount) return frameendoflog(s);
    s.onlastpage = false;
    return scrolledtobottom(s);
}

int32_t framepagebottom(AppState& s) {
    s.pagelast = s.qsocount;
    s.pagefirst = maxlong(1, s.qsocount - s.pagerows + 2);
    derive(s);
    s.onlastpage = false;
    return scrolledtobottom(s);
}

} // namespace tsl
