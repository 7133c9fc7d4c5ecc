#pragma once

#include <array>
#include <cstddef>

// One column of a constant table, as an array of its own: for a table that keeps together what
// belongs together (a spreadsheet column and the record field it shows, a search filter and the
// field it looks in) handed to an interface that takes that column alone.
template <class Row, std::size_t N, class T>
constexpr std::array<T, N> tableColumn(const Row (&rows)[N], T Row::*column) {
    std::array<T, N> out{};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = rows[i].*column;
    return out;
}
