#pragma once
// The DXCC entity of a country name as other logging programs write it.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tsl {

struct AppState;
struct qsorecord;

// Entities that are not deleted, searched by name. Each name is compared once; the answer
// is kept for the next QSO of the same country.
class CountryNames {
  public:
    explicit CountryNames(const AppState& state);

    // The entity of the name, 0 for none. A name equal to an entity's whole name (any case,
    // blanks around it ignored) takes that entity; otherwise the last entity whose name
    // agrees with it over the shorter of the two lengths, at most 12 characters. An empty
    // name matches nothing.
    int16_t find(const std::string& name);

  private:
    std::vector<std::pair<std::string, int16_t>> names_; // upper-case trimmed name, entity
    std::unordered_map<std::string, int16_t> found_;
};

// Writes the entity, its continent and its zones ("??" for several) into the record.
void putentity(const AppState& state, int16_t entity, qsorecord& q);

} // namespace tsl
