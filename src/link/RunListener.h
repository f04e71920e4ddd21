#pragma once

#include "model/PointRecord.h"

#include <cstdint>

// What a measurement run tells the window that shows it, and asks of it.
class CRunListener {
public:
    virtual ~CRunListener() = default;

    // Measurements done so far out of all (points x average); position 0
    // at the start and again at the end.
    virtual void Progress(std::int64_t position, std::int64_t maximum) = 0;
    // A point measured, corrected when asked and time-stamped.
    virtual void NewPoint(const PointRecord& point) = 0;
    // Lets the window system handle what is pending (painting, the Stop
    // button); called after every point and every single measurement.
    virtual void DispatchPendingEvents() = 0;
    // The user has pressed Stop.
    virtual bool StopRequested() = 0;
};
