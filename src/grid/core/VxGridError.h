#pragma once
// Misuse of the string grid: selection flags out of range, failed cell conversions, indexed sorts without indexes.
#include <stdexcept>

class EVxGridError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
