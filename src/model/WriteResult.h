#pragma once

#include <string>

// How a write ended. A failed one carries its reason in the words the user
// is shown: the system's message for the error of the step that failed,
// taken at that step before any clean-up could change errno, or the
// program's own words where it chose not to write.
class WriteResult {
public:
    WriteResult() = default; // written

    static WriteResult SystemError(int error);
    static WriteResult Refused(std::string reason);

    explicit operator bool() const { return written_; }
    // The errno value of the failed step; 0 when written or refused.
    int Error() const { return error_; }
    const std::string& Reason() const { return reason_; }

private:
    bool written_ = true;
    int error_ = 0;
    std::string reason_;
};
