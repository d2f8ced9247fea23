#pragma once
// The string grid's own misuse error.
#include <stdexcept>
#include <string>

class EVxGridError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
