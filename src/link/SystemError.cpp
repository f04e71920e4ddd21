#include "link/SystemError.h"

#include <system_error>

std::string SystemErrorText(int errorNumber) { return std::system_category().message(errorNumber); }
