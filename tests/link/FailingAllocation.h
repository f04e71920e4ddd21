#pragma once

// This test program replaces operator new so that a test can make one
// allocation fail with std::bad_alloc, as it would when memory runs out.
// Every other allocation goes to malloc as usual.

enum class AllocatingThreads {
    This,   // the thread that arms the failure
    Others, // every thread but that one (a reader's own thread)
};

// While it lives, the allocation that comes after `passing` others made by
// the chosen threads fails; later ones succeed again.
class ScopedFailingAllocation {
public:
    explicit ScopedFailingAllocation(AllocatingThreads threads, int passing = 0);
    ~ScopedFailingAllocation();
    ScopedFailingAllocation(const ScopedFailingAllocation&) = delete;
    ScopedFailingAllocation& operator=(const ScopedFailingAllocation&) = delete;

    // Whether the chosen allocation has failed yet.
    bool Failed() const;
};
