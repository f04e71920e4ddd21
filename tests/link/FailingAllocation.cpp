#include "FailingAllocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// Allocations of the chosen threads still to pass before one fails; below
// zero when none is to fail.
std::atomic<int> passingBeforeFailure{-1};
std::atomic<bool> failureOnOtherThreads{false};
std::atomic<bool> failed{false};
thread_local bool armingThread = false;

bool ThisAllocationFails()
{
    int passing = passingBeforeFailure.load();
    if (passing < 0 || armingThread == failureOnOtherThreads.load()) return false;
    while (passing >= 0 && !passingBeforeFailure.compare_exchange_weak(passing, passing - 1)) {
    }
    if (passing != 0) return false;
    failed = true;
    return true;
}

void* Allocate(std::size_t size)
{
    if (ThisAllocationFails()) return nullptr;
    return std::malloc(size == 0 ? 1 : size);
}

} // namespace

ScopedFailingAllocation::ScopedFailingAllocation(AllocatingThreads threads, int passing)
{
    armingThread = true;
    failed = false;
    failureOnOtherThreads = threads == AllocatingThreads::Others;
    passingBeforeFailure = passing;
}

ScopedFailingAllocation::~ScopedFailingAllocation()
{
    passingBeforeFailure = -1;
    armingThread = false;
}

bool ScopedFailingAllocation::Failed() const { return failed; }

void* operator new(std::size_t size)
{
    if (void* memory = Allocate(size)) return memory;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) { return ::operator new(size); }

void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
