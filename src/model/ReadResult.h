#pragma once

#include <string>

// How a read ended. A failed one carries the errno of the step that failed,
// taken at that step before closing could change it; a named pipe or a
// device, refused unopened so that nothing waits on it, has no errno of its
// own and is said to be no regular file.
class ReadResult {
public:
    ReadResult() = default; // read

    static ReadResult SystemError(int error);
    static ReadResult NotRegularFile();

    explicit operator bool() const { return read_; }
    // The words the user is shown: the system's message for the error, or
    // "Not a regular file"; empty when read.
    std::string Reason() const;

private:
    bool read_ = true;
    int error_ = 0;
};
