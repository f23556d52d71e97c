#pragma once
// The list files of member calls and squares: items read write back, one quoted item a
// line, to the same items.

#include "check.h"

#include <string>
#include <vector>

namespace tsl::fuzz {

template <class Reader> void checklistfile(const std::string& bytes, Reader read) {
    const auto first = read(bytes);
    if (refused(first)) return;
    ListWriter out;
    for (const std::string& item : *first)
        out.text(item).endline();
    const auto again = read(out.bytes());
    check(static_cast<bool>(again), "the written list reads");
    check(again->size() == first->size(), "item count");
    for (std::size_t k = 0; k < first->size(); ++k)
        check((*again)[k] == aswritten((*first)[k]), "item");
}

} // namespace tsl::fuzz
