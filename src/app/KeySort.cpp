#include "KeySort.h"

#include <algorithm>
#include <array>
#include <utility>

void sortByKey(std::span<KeyedEntry> entries, std::vector<KeyedEntry>& spare) {
    const std::size_t count = entries.size();
    if (count < 2)
        return;
    spare.resize(count);
    std::array<std::array<std::size_t, 256>, 8> counts{};
    for (const KeyedEntry& e : entries)
        for (std::size_t d = 0; d < 8; ++d)
            ++counts[d][(e.key >> (8 * d)) & 0xff];
    KeyedEntry* in = entries.data();
    KeyedEntry* out = spare.data();
    for (std::size_t d = 0; d < 8; ++d) {
        std::array<std::size_t, 256>& c = counts[d];
        if (c[(in[0].key >> (8 * d)) & 0xff] == count)
            continue;
        std::size_t next = 0;
        for (std::size_t& n : c)
            next += std::exchange(n, next);
        for (std::size_t i = 0; i < count; ++i)
            out[c[(in[i].key >> (8 * d)) & 0xff]++] = in[i];
        std::swap(in, out);
    }
    if (in != entries.data())
        std::copy(in, in + count, entries.data());
}
