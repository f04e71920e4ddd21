#include "model/WriteResult.h"

#include <cstring>

WriteResult WriteResult::SystemError(int error)
{
    WriteResult result;
    result.written_ = false;
    result.error_ = error;
    result.reason_ = std::strerror(error);
    return result;
}

WriteResult WriteResult::Refused(std::string reason)
{
    WriteResult result;
    result.written_ = false;
    result.reason_ = std::move(reason);
    return result;
}
