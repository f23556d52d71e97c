#include "listfile.h"

#include "numbers.h"

#include <array>
#include <limits>

namespace tsl {

ListReader::ListReader(std::string bytes) : bytes_(std::move(bytes)) {}

void ListReader::skipblanksandlines() {
    while (pos_ < bytes_.size()) {
        const char c = bytes_[pos_];
        if (c == ' ' || c == '\t') {
            ++pos_;
        } else if (c == '\n') {
            ++pos_;
            ++line_;
        } else if (c == '\r') {
            ++pos_;
            if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
            ++line_;
        } else {
            break;
        }
    }
}

bool ListReader::atend() const {
    for (std::size_t i = pos_; i < bytes_.size(); ++i) {
        const char c = bytes_[i];
        // A trailing end-of-file mark (Ctrl-Z) counts as the end too.
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\x1a') return false;
    }
    return true;
}

int ListReader::linenumber() const {
    // The line of the next item: blank lines ahead are skipped before it is read.
    int line = line_;
    for (std::size_t i = pos_; i < bytes_.size(); ++i) {
        const char c = bytes_[i];
        if (c == '\n') {
            ++line;
        } else if (c == '\r') {
            if (i + 1 < bytes_.size() && bytes_[i + 1] == '\n') ++i;
            ++line;
        } else if (c != ' ' && c != '\t') {
            break;
        }
    }
    return line;
}

void ListReader::consumedelimiter() {
    if (pos_ >= bytes_.size()) return;
    const char c = bytes_[pos_];
    if (c == ',') {
        ++pos_;
    } else if (c == '\r') {
        ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
        ++line_;
    } else if (c == '\n') {
        ++pos_;
        ++line_;
    }
}

std::optional<ListItem> ListReader::item() {
    skipblanksandlines();
    if (atend()) return std::nullopt;
    ListItem result;
    if (bytes_[pos_] == '"') {
        const std::size_t close = bytes_.find('"', pos_ + 1);
        if (close == std::string::npos) return std::nullopt;
        result.text = bytes_.substr(pos_ + 1, close - pos_ - 1);
        result.quoted = true;
        for (char c : result.text)
            if (c == '\n') ++line_;
        pos_ = close + 1;
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && bytes_[pos_] != '\r' &&
               bytes_[pos_] != '\n')
            ++pos_;
    } else {
        const std::size_t start = pos_;
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && bytes_[pos_] != '\r' &&
               bytes_[pos_] != '\n')
            ++pos_;
        std::size_t end = pos_;
        while (end > start && (bytes_[end - 1] == ' ' || bytes_[end - 1] == '\t'))
            --end;
        result.text = bytes_.substr(start, end - start);
    }
    consumedelimiter();
    return result;
}

std::optional<std::string> ListReader::text() {
    auto it = item();
    if (!it) return std::nullopt;
    return std::move(it->text);
}

std::optional<double> ListReader::number() {
    auto it = item();
    if (!it || it->quoted) return std::nullopt;
    if (it->text.empty()) return 0.0;
    return parsenumber(it->text);
}

std::optional<int16_t> ListReader::int16() {
    const auto n = number();
    if (!n) return std::nullopt;
    return toint16(*n);
}

std::optional<int32_t> ListReader::int32() {
    const auto n = number();
    if (!n) return std::nullopt;
    return toint32(*n);
}

std::optional<float> ListReader::single() {
    const auto n = number();
    if (!n) return std::nullopt;
    if (*n > std::numeric_limits<float>::max() || *n < -std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*n);
}

const std::array<char, 256>& ListWriter::quotablebytes() {
    static const std::array<char, 256> written = [] {
        std::array<char, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<std::size_t>(b)] = static_cast<char>(b);
        t['"'] = '\'';
        for (unsigned char c : {'\r', '\n', '\t', '\0'})
            t[c] = ' ';
        return t;
    }();
    return written;
}

void ListWriter::appendquotable(std::string& out, std::string_view value) {
    // One look-up a byte, with no branch.
    const auto& written = quotablebytes();
    const std::size_t at = out.size();
    out.resize(at + value.size());
    char* to = out.data() + at;
    for (char c : value)
        *to++ = written[static_cast<unsigned char>(c)];
}

std::string ListWriter::quotable(std::string_view value) {
    std::string out;
    appendquotable(out, value);
    return out;
}

void ListWriter::separate() {
    if (linestarted_) bytes_.push_back(',');
    linestarted_ = true;
}

ListWriter& ListWriter::text(std::string_view value) {
    separate();
    bytes_.push_back('"');
    appendquotable(bytes_, value);
    bytes_.push_back('"');
    return *this;
}

ListWriter& ListWriter::integer(long long value) {
    separate();
    bytes_ += inttext(value);
    return *this;
}

ListWriter& ListWriter::single(float value) {
    separate();
    bytes_ += singletext(value);
    return *this;
}

ListWriter& ListWriter::endline() {
    bytes_ += "\r\n";
    linestarted_ = false;
    return *this;
}

} // namespace tsl
