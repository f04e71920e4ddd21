#include "model/ReadResult.h"

#include <cstring>

ReadResult ReadResult::SystemError(int error)
{
    ReadResult result;
    result.read_ = false;
    result.error_ = error;
    return result;
}

ReadResult ReadResult::NotRegularFile()
{
    ReadResult result;
    result.read_ = false;
    return result;
}

std::string ReadResult::Reason() const
{
    if (read_) return {};
    return error_ != 0 ? std::strerror(error_) : "Not a regular file";
}
