#pragma once
// Finding a table entry by its name, for the readers that look names up for every record:
// an open hash of views into the table's own texts, built once per read. Of equal names
// the last one added wins, as a search through the whole table that keeps every match.

#include <cstdint>
#include <string_view>
#include <vector>

namespace tsl {

class NameIndex {
  public:
    // The names must outlive the index.
    void add(std::string_view name, int32_t index);
    // The index of the name, or -1.
    int32_t find(std::string_view name) const;

  private:
    struct slot {
        std::string_view name;
        int32_t index = -1;
    };
    static uint64_t hash(std::string_view name);
    void grow();
    std::vector<slot> slots_;
    std::size_t used_ = 0;
};

} // namespace tsl
