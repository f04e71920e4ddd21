#pragma once

#include <stdexcept>
#include <string>

// The error that command handlers catch and report to the user: a number that
// could not be parsed, a failing mathematical function, and the like. The
// message is shown as it stands.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}

    std::string Message() const { return what(); }
};
