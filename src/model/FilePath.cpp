#include "model/FilePath.h"

std::string PathInFolder(const std::string& folder, const std::string& name)
{
    if (name.empty() || name.front() == '/') return name;
    return folder + name;
}
