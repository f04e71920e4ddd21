#pragma once

#include <chrono>
#include <string>

// How to reach the analyzer: the values of the settings group
// "Comunication" that the serial link uses.
struct SerialSettings {
    std::string comPort = "COM1"; // "COMn", a name under /dev, or an absolute path
    int baudRate = 9600;
    int timeOut = 3000; // ms a read waits for each byte; 0 or less means 3000
};

// The read time-out in use: the stored one, or 3000 ms when that is not
// positive (a time-out of 0 would make every read fail at once).
std::chrono::milliseconds EffectiveTimeOut(const SerialSettings& settings);
