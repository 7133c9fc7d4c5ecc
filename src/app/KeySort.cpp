#include "KeySort.h"

#include <array>
#include <utility>

void sortByKey(std::vector<KeyedEntry>& entries, std::vector<KeyedEntry>& spare) {
    const std::size_t count = entries.size();
    if (count < 2)
        return;
    spare.resize(count);
    std::array<std::array<std::size_t, 256>, 8> counts{};
    for (const KeyedEntry& e : entries)
        for (std::size_t d = 0; d < 8; ++d)
            ++counts[d][(e.key >> (8 * d)) & 0xff];
    for (std::size_t d = 0; d < 8; ++d) {
        std::array<std::size_t, 256>& c = counts[d];
        if (c[(entries[0].key >> (8 * d)) & 0xff] == count)
            continue;
        std::size_t next = 0;
        for (std::size_t& n : c)
            next += std::exchange(n, next);
        for (const KeyedEntry& e : entries)
            spare[c[(e.key >> (8 * d)) & 0xff]++] = e;
        entries.swap(spare);
    }
}
