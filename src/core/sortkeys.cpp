#include "sortkeys.h"

#include "platform/codepage.h"

#include <algorithm>

namespace tsl {

const std::array<unsigned char, 256>& characterorder() {
    static const std::array<unsigned char, 256> order = [] {
        std::array<int, 256> bytes{};
        for (int b = 0; b < 256; ++b)
            bytes[static_cast<std::size_t>(b)] = b;
        std::sort(bytes.begin(), bytes.end(), [](int a, int b) {
            return unicodeof(static_cast<unsigned char>(a)) <
                   unicodeof(static_cast<unsigned char>(b));
        });
        std::array<unsigned char, 256> rank{};
        for (std::size_t k = 0; k < 256; ++k)
            rank[static_cast<std::size_t>(bytes[k])] = static_cast<unsigned char>(k);
        return rank;
    }();
    return order;
}

std::string characterkey(std::string_view text) {
    const auto& order = characterorder();
    std::string key(text.size(), ' ');
    for (std::size_t i = 0; i < text.size(); ++i)
        key[i] = static_cast<char>(order[static_cast<unsigned char>(text[i])]);
    return key;
}

textkey textkeyof(std::string_view text) {
    const auto& order = characterorder();
    textkey k;
    for (std::size_t i = 0; i < 16; ++i) {
        const uint64_t rank = i < text.size() ? order[static_cast<unsigned char>(text[i])] : 0;
        if (i < 8)
            k.high |= rank << (8 * (7 - i));
        else
            k.low |= rank << (8 * (15 - i));
    }
    return k;
}

} // namespace tsl
