#pragma once

#include <string>

// The system's own text for an error number ("No such file or directory"),
// as the user sees it after "Communication error:\n".
std::string SystemErrorText(int errorNumber);
