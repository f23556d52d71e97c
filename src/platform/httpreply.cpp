#include "httpreply.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tsl {

namespace {

// The longest chunk-size line taken (the size in hex and any extensions).
constexpr std::size_t maxchunkline = 1024;

char lowered(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sametext(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowered(x) == lowered(y);
           });
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool decimaldigit(char c) {
    return c >= '0' && c <= '9';
}

// "HTTP/1.x 200 OK": the status, or 0 when the line is no status line.
int statusof(std::string_view line) {
    if (line.size() < 12 || line.substr(0, 7) != "HTTP/1." || !decimaldigit(line[7]) ||
        line[8] != ' ' || !decimaldigit(line[9]) || !decimaldigit(line[10]) ||
        !decimaldigit(line[11]) || (line.size() > 12 && line[12] != ' '))
        return 0;
    return (line[9] - '0') * 100 + (line[10] - '0') * 10 + (line[11] - '0');
}

// A decimal or hexadecimal count, or nothing when the text is not one or passes limit.
std::optional<std::size_t> countof(std::string_view text, int base, std::size_t limit) {
    if (text.empty()) return std::nullopt;
    std::size_t value = 0;
    for (const char c : text) {
        const char l = lowered(c);
        int digit = -1;
        if (decimaldigit(l)) digit = l - '0';
        if (base == 16 && l >= 'a' && l <= 'f') digit = l - 'a' + 10;
        if (digit < 0) return std::nullopt;
        value = value * static_cast<std::size_t>(base) + static_cast<std::size_t>(digit);
        // Past the limit the count is refused before it can overflow.
        if (value > limit) return limit + 1;
    }
    return value;
}

std::vector<std::string_view> linesof(std::string_view head) {
    std::vector<std::string_view> lines;
    while (!head.empty()) {
        const auto end = std::min(head.find('\n'), head.size());
        std::string_view line = head.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        head.remove_prefix(std::min(end + 1, head.size()));
    }
    return lines;
}

} // namespace

HttpReplyReader::state HttpReplyReader::fail(urlfailure why) {
    failure_ = why;
    state_ = state::failed;
    pending_.clear();
    body_.clear();
    return state_;
}

HttpReplyReader::state HttpReplyReader::take(std::string_view bytes) {
    if (state_ != state::reading) return state_;
    pending_.append(bytes);
    return part_ == part::head ? readhead() : readbody();
}

HttpReplyReader::state HttpReplyReader::end() {
    if (state_ != state::reading) return state_;
    if (part_ != part::toclose) return fail(urlfailure::noconnection);
    state_ = state::done;
    return state_;
}

bool HttpReplyReader::takeline(std::string& line, std::size_t most) {
    const auto end = pending_.find('\n');
    if (end == std::string::npos || end > most + 1) return false;
    line.assign(pending_, 0, end);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    pending_.erase(0, end + 1);
    return true;
}

HttpReplyReader::state HttpReplyReader::readhead() {
    for (;;) {
        // The head ends at its first blank line; servers that end lines with LF alone too.
        std::size_t from = scanned_ > 3 ? scanned_ - 3 : 0;
        std::size_t headend = std::string::npos, bodystart = 0;
        for (std::size_t i = from; i < pending_.size(); ++i) {
            if (pending_[i] != '\n') continue;
            if (i >= 1 && pending_[i - 1] == '\n') {
                headend = i - 1;
                bodystart = i + 1;
                break;
            }
            if (i >= 2 && pending_[i - 1] == '\r' && pending_[i - 2] == '\n') {
                headend = i - 2;
                bodystart = i + 1;
                break;
            }
        }
        if (headend == std::string::npos) {
            if (pending_.size() > maxheadbytes) return fail(urlfailure::toolong);
            scanned_ = pending_.size();
            return state_;
        }
        if (bodystart > maxheadbytes) return fail(urlfailure::toolong);
        const std::string head = pending_.substr(0, headend);
        pending_.erase(0, bodystart);
        scanned_ = 0;

        const auto lines = linesof(head);
        status_ = lines.empty() ? 0 : statusof(lines[0]);
        if (status_ < 100) return fail(urlfailure::noconnection);
        // An interim reply (100 Continue) is followed by the real one.
        if (status_ < 200 && status_ != 101) continue;
        if (status_ > 299 || status_ == 101) return fail(urlfailure::httpstatus);

        std::optional<std::size_t> length;
        bool chunked = false;
        for (std::size_t k = 1; k < lines.size(); ++k) {
            const auto colon = lines[k].find(':');
            if (colon == std::string_view::npos) continue;
            const std::string_view name = trimmed(lines[k].substr(0, colon));
            const std::string_view value = trimmed(lines[k].substr(colon + 1));
            if (sametext(name, "Content-Length")) {
                const auto n = countof(value, 10, maxreplybytes);
                // A length that is no number, or two that differ: the body cannot be found.
                if (!n || (length && *length != *n)) return fail(urlfailure::noconnection);
                length = n;
            } else if (sametext(name, "Transfer-Encoding")) {
                // Only plain chunks are read; a body in any other coding cannot be.
                if (!sametext(value, "chunked")) return fail(urlfailure::noconnection);
                chunked = true;
            }
        }
        if (status_ == 204 || (!chunked && length == std::size_t{0})) {
            state_ = state::done;
            return state_;
        }
        if (chunked) {
            part_ = part::chunksize;
        } else if (length) {
            if (*length > maxreplybytes) return fail(urlfailure::toolong);
            part_ = part::sized;
            remaining_ = *length;
        } else {
            part_ = part::toclose;
        }
        return readbody();
    }
}

HttpReplyReader::state HttpReplyReader::readbody() {
    std::string line;
    for (;;) {
        switch (part_) {
        case part::head:
            return readhead();
        case part::toclose:
            body_.append(pending_);
            pending_.clear();
            if (body_.size() > maxreplybytes) return fail(urlfailure::toolong);
            return state_;
        case part::sized:
        case part::chunkdata: {
            const std::size_t n = std::min(remaining_, pending_.size());
            body_.append(pending_, 0, n);
            pending_.erase(0, n);
            remaining_ -= n;
            if (remaining_ > 0) return state_;
            if (part_ == part::sized) {
                state_ = state::done;
                return state_;
            }
            part_ = part::chunkend;
            break;
        }
        case part::chunksize: {
            if (!takeline(line, maxchunkline)) {
                if (pending_.size() > maxchunkline + 1) return fail(urlfailure::noconnection);
                return state_;
            }
            const std::string_view size =
                trimmed(std::string_view(line).substr(0, std::min(line.find(';'), line.size())));
            const auto n = countof(size, 16, maxreplybytes);
            if (!n) return fail(urlfailure::noconnection);
            if (*n > maxreplybytes - body_.size()) return fail(urlfailure::toolong);
            if (*n == 0) {
                part_ = part::trailer;
            } else {
                remaining_ = *n;
                part_ = part::chunkdata;
            }
            break;
        }
        case part::chunkend:
            if (!takeline(line, 0)) {
                if (pending_.size() > 1) return fail(urlfailure::noconnection);
                return state_;
            }
            if (!line.empty()) return fail(urlfailure::noconnection);
            part_ = part::chunksize;
            break;
        case part::trailer:
            if (!takeline(line, maxheadbytes)) {
                if (trailerbytes_ + pending_.size() > maxheadbytes)
                    return fail(urlfailure::toolong);
                return state_;
            }
            trailerbytes_ += line.size() + 2;
            if (trailerbytes_ > maxheadbytes) return fail(urlfailure::toolong);
            if (line.empty()) {
                state_ = state::done;
                return state_;
            }
            break;
        }
    }
}

} // namespace tsl
