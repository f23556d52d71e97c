#include "nameindex.h"

#include <cstring>

namespace tsl {

uint64_t NameIndex::hash(std::string_view name) {
    // The first and the last eight bytes and the length: names of a table differ there.
    const std::size_t n = name.size();
    if (n == 0) return 0;
    const std::size_t k = n < 8 ? n : 8;
    uint64_t head = 0, tail = 0;
    std::memcpy(&head, name.data(), k);
    std::memcpy(&tail, name.data() + n - k, k);
    uint64_t h = head * 0x9E3779B97F4A7C15ull ^ (tail + n) * 0xC2B2AE3D27D4EB4Full;
    return h ^ (h >> 29);
}

void NameIndex::grow() {
    std::vector<slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, slot{});
    used_ = 0;
    for (const slot& s : old)
        if (s.index >= 0) add(s.name, s.index);
}

void NameIndex::add(std::string_view name, int32_t index) {
    if ((used_ + 1) * 2 > slots_.size()) grow();
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash(name) & mask;; i = (i + 1) & mask) {
        slot& s = slots_[i];
        if (s.index < 0) {
            s = {name, index};
            ++used_;
            return;
        }
        if (s.name == name) {
            s.index = index;
            return;
        }
    }
}

int32_t NameIndex::find(std::string_view name) const {
    if (slots_.empty()) return -1;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash(name) & mask;; i = (i + 1) & mask) {
        const slot& s = slots_[i];
        if (s.index < 0) return -1;
        if (s.name == name) return s.index;
    }
}

} // namespace tsl
