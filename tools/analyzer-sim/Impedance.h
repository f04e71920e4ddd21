#pragma once

#include <complex>

// What the simulated analyzer has on its connector.
struct ImpedanceModel {
    enum class Kind {
        Load,      // a resistor of R ohm
        SeriesRLC, // R, L and C in series (C 0: no capacitor)
        OpenLine,  // an open-ended coaxial line of the given length
    };
    Kind kind = Kind::Load;
    double R = 50;
    double L = 0; // henry
    double C = 0; // farad
    double lengthMetres = 0;
};

// The impedance at a frequency in Hz.
std::complex<double> ImpedanceAt(const ImpedanceModel& model, double frequencyHz);
