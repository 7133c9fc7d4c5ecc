#pragma once

#include <initializer_list>
#include <utility>

// A system library opened the first time a rarely used feature wants it, rather than when the
// program starts: linked, each such library and those it brings with it slowed every start.
namespace SystemLibrary {

// Opens the library `soname` and finds each of `functions`: its name, and the function pointer
// that takes its address. True when every one is there; the library then stays open to the end.
bool open(const char* soname, std::initializer_list<std::pair<const char*, void*>> functions);

} // namespace SystemLibrary
