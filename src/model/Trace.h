#pragma once

#include "model/Color.h"
#include "model/Data.h"

#include <memory>
#include <string>
#include <vector>

class CTraces;
class CXMLNode;

// One named, coloured series of points with its flags and its point store.
class CTrace {
public:
    CTrace();
    ~CTrace();
    CTrace(const CTrace&) = delete;
    CTrace& operator=(const CTrace&) = delete;

    CTraces* Owner = nullptr;
    std::string Name;
    bool Selected = false;
    bool Time = false; // points carry t
    bool Vip = false;  // points carry V, I and phase
    TColor Color; // the trace 1 colour of the scheme in use at construction
    CData Data;

    // Kept here by the document window: the trace's Smith chart cursor
    // marker.
    bool SmithMarkerShown = false;
    int SmithMarkerX = 0;
    int SmithMarkerY = 0;

    // Two-way exchange with a "Trace" element; false only for a null element.
    // Files keep the points as measured; the clipboard carries them as the
    // owning window displays them (with its offset and rotation).
    bool Exchange(CXMLNode* element, TraceValues values = TraceValues::Stored);
};

// An ordered list that owns its traces. A document window's list names the
// window as its owner, and its traces are then shown with that window's
// display transform.
class CTraces {
public:
    CTraces();
    virtual ~CTraces();
    CTraces(const CTraces&) = delete;
    CTraces& operator=(const CTraces&) = delete;

    const CDisplayTransformSource* Owner = nullptr;

    int Count() const { return static_cast<int>(traces_.size()); }
    void Clear();
    void Add(std::unique_ptr<CTrace> trace);
    int Insert(int index, std::unique_ptr<CTrace> trace);
    CTrace* Get(int index) const;
    void Delete(int index);
    // The single selected trace; null when none or several are selected
    // (*several tells which).
    CTrace* GetSelected(bool* several = nullptr) const;
    void DeleteSelected();
    void UnselectAll();

private:
    std::vector<std::unique_ptr<CTrace>> traces_;
};
