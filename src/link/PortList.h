#pragma once

#include <string>
#include <vector>

// The port names the preferences offer: "COM1" to "COM8" (the first eight
// serial ports, as DevicePathForPort maps them), then the serial adapters
// present under deviceFolder as full paths: the USB and ACM devices
// (ttyUSBn, ttyACMn, in the order of their numbers) and, when the folder
// exists, the stable names under serial/by-id, which survive replugging.
std::vector<std::string> PortChoices(const std::string& deviceFolder = "/dev");
