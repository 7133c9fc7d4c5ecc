#pragma once

#include <QtGlobal>

#include <span>
#include <vector>

// Something to put in order by a number: its key, and which one it is.
struct KeyedEntry {
    quint64 key;
    int index;
    // The caller's own, carried along with the entry.
    quint32 more = 0;
};

// `entries` in the order of their keys, equal keys in the order they came. A radix sort, a byte
// at a time from the least significant, passing over a byte every key shares: a list of many
// thousand is ordered in a few passes over it rather than by as many comparisons as a sort makes.
// `spare` is room to work in, of any size, which keeps its memory for the next sort.
void sortByKey(std::span<KeyedEntry> entries, std::vector<KeyedEntry>& spare);
