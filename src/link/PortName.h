#pragma once

#include <string>

// The device file of a port name: an absolute path stays as it is (for
// example a pseudo-terminal such as /dev/pts/3), "COMn" is the n-th serial
// port /dev/ttyS(n-1), and any other name is looked up under /dev.
std::string DevicePathForPort(const std::string& name);
