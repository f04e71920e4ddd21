#pragma once

#include "Impedance.h"

#include <chrono>
#include <deque>
#include <string>

// How the simulated analyzer behaves, well or badly.
struct AnalyzerBehaviour {
    std::string identification = "QV7101"; // the answer to "V"; its first six characters choose the family
    ImpedanceModel impedance;
    double drift = 0;                      // R grows by this much (ohm) with every measurement line
    bool silent = false;                   // answers nothing at all
    int garbageAt = 0;                     // this measurement line (1-based) is garbage; 0 none
    int partialAt = 0;                     // this measurement line (1-based) holds only its first value; 0 none
    int hangUpAfter = 0;                   // the line goes dead after this many measurement lines; 0 never
    std::chrono::milliseconds lineDelay{0}; // before each measurement line, and between the bytes of an endless one
    bool endlessLine = false;              // the first measurement line never ends
    int stopLag = 0;                       // sweep lines still sent after the stop; while it sweeps, only "\r" is heard
    std::string lineEnd = "\n";
};

// The analyzer's side of the serial protocol, without any input or output
// of its own: received bytes go in, the pieces to send come out.
//
// Commands: "V" identifies; the known models (QV7100, QV7101, QV7102)
// take "Cformat\r" silently and answer "recZ\r", "S<MHz>\r", "E<MHz>\r"
// and "P<count>\r" with "OK", other devices take them silently; "G" (log
// spacing) or "N" (linear) answer "OK" and start the device sweep, one line
// per point and then "END"; "\r" during the sweep stops it and ends with
// "END"; "F<MHz>\r" measures one point. The known models answer a point as
// "f in Hz,R,X", other devices as "|Z| A<angle in degrees>".
class CSimulatedAnalyzer {
public:
    explicit CSimulatedAnalyzer(AnalyzerBehaviour behaviour);

    // Takes one received byte. True when the analyzer started over (on
    // "V"): whatever the caller has not sent yet is void.
    bool Receive(char byte);

    bool HasOutput() const;
    // Whether the next piece is (part of) a measurement line.
    bool NextIsMeasurement() const;
    // The next piece to send: an answer line with its line end, or a piece
    // of an endless line (one byte when sending slowly).
    std::string TakeOutput();

    int MeasurementLinesTaken() const { return measurementLines_; }

private:
    // An answer waiting to be sent; a measurement is made when it is sent.
    struct Pending {
        std::string text;
        bool measurement = false;
        double megahertz = 0;
    };

    void HandleLine(const std::string& command);
    void Answer(const std::string& text);
    std::string Measure(double megahertz);
    std::string EndlessPiece() const;
    double SweepFrequency(int index) const;
    bool KnownModel() const;

    const AnalyzerBehaviour behaviour_;
    std::string command_;
    std::deque<Pending> answers_;
    double start_ = 0;
    double end_ = 0;
    int points_ = 0;
    bool linear_ = false;
    bool sweeping_ = false;
    int nextPoint_ = 0;
    int sweepEnd_ = 0; // the point before which the sweep ends
    bool inEndlessLine_ = false;
    int measurementLines_ = 0;
};
