#pragma once

// The X quantity of the rectangular charts and of the point reads (HorMode):
// point number counted from 1, frequency in MHz, time in seconds since the
// first point of a run. The values index the per-mode scale arrays of a
// window and are what its document file keeps.
enum HorModeId { kHorN = 0, kHorF = 1, kHorT = 2, kHorModeCount = 3 };
