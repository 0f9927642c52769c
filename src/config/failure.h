#pragma once

#include <stdexcept>
#include <string>

// A failure that carries its number, from the encodings up to the handler that traps it.
//   6  a value does not fit its type          9  an index lies outside an array
//  13  a text is not a number               380  a control refuses a value
// 381  a list has no entry at that index   8002  no such serial port
// 8005 serial port already open or in use 10048  UDP port 1500 held by another program
class Failure : public std::runtime_error {
public:
    explicit Failure(int number)
        : std::runtime_error("failure " + std::to_string(number)), number_(number) {}
    int number() const { return number_; }

    static constexpr int Overflow = 6;
    static constexpr int OutOfRange = 9;
    static constexpr int TypeMismatch = 13;
    static constexpr int InvalidValue = 380;
    static constexpr int NoListEntry = 381;
    static constexpr int PortNotFound = 8002;
    static constexpr int PortInUse = 8005;
    static constexpr int AddressInUse = 10048;

private:
    int number_;
};
