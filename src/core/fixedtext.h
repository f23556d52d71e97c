#pragma once
// A text field of fixed width, as records store them: assignment pads with blanks on the
// right and cuts what is longer; reading gives the full width, trailing blanks included.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tsl {

template <std::size_t N> class FixedText {
  public:
    FixedText() { chars_.fill(' '); }
    FixedText(std::string_view text) { assign(text); } // NOLINT: assignment from text is the point
    FixedText(const char* text) : FixedText(std::string_view(text)) {}
    FixedText(const std::string& text) : FixedText(std::string_view(text)) {}

    FixedText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }
    FixedText& operator=(const char* text) { return *this = std::string_view(text); }
    FixedText& operator=(const std::string& text) { return *this = std::string_view(text); }

    static constexpr std::size_t width() { return N; }
    std::string str() const { return std::string(chars_.data(), N); }
    std::string_view view() const { return std::string_view(chars_.data(), N); }
    operator std::string() const { return str(); } // NOLINT: reads like the plain text
    // The text without trailing blanks.
    std::string trimmedright() const {
        std::size_t n = N;
        while (n > 0 && chars_[n - 1] == ' ')
            --n;
        return std::string(chars_.data(), n);
    }
    char operator[](std::size_t i) const { return chars_[i]; }

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.chars_ == b.chars_; }
    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const FixedText& a, const char* b) { return a.view() == b; }
    friend bool operator==(const FixedText& a, const std::string& b) { return a.view() == b; }
    friend auto operator<=>(const FixedText& a, const FixedText& b) {
        return a.view().compare(b.view()) <=> 0;
    }

  private:
    void assign(std::string_view text) {
        const std::size_t n = std::min(N, text.size());
        std::copy_n(text.data(), n, chars_.data());
        std::fill(chars_.begin() + static_cast<std::ptrdiff_t>(n), chars_.end(), ' ');
    }
    std::array<char, N> chars_;
};

} // namespace tsl
