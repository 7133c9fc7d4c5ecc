#pragma once

#include <stdexcept>

// A report could not be filled, laid out, printed or previewed; the message says why.
class ReportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
