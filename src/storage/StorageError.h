#pragma once

#include <stdexcept>

// Raised by every archive or settings-file operation that fails; the screen operation in progress
// catches it and shows its own fixed message.
class StorageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
