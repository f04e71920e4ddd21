#pragma once

#include "link/FileDescriptor.h"
#include "link/SerialPort.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

// Takes what a device sends from its descriptor as it arrives, on a thread
// of its own, and keeps it with its arrival time until it is asked for.
// Whatever the program's own thread is busy with meanwhile (a modal box, a
// dialog, long work), the bytes are neither delayed in the system's small
// buffer nor stamped late.
//
// The reader never decides a time-out: that is the asker's waiting alone.
// A hang-up, a read error or a lack of memory to keep what was read is
// handed out after the bytes that came before it, and ends the reading. A
// lack of memory to hand a chunk out ends it at once, and what the reader
// holds is dropped.
//
// What it holds is bounded by the memory it takes, not by its bytes alone:
// each read costs its bytes plus its record (where its bytes end, when they
// arrived), so a device that sends a byte a read cannot make it hold many
// times its bound. When it is full it stops reading, and the device's bytes
// wait in the system as they would without it. Memory is taken only for what
// has arrived, and whatever it holds is dropped when it goes.
class CPortReader {
public:
    // Twenty minutes of a device sending without pause, both at 9600 baud
    // when every read brings one byte (1,152,000 reads of 17 bytes each) and
    // at 115200 baud in full reads (13.8 MB): far longer than a box is left
    // up during a sweep.
    static constexpr std::size_t kDefaultBound = 20 * 1024 * 1024;

    // Starts reading the descriptor, which must stay open until the reader
    // has gone. Throws std::system_error when no thread can be started, and
    // std::bad_alloc when there is no memory for the reader's state.
    explicit CPortReader(int descriptor, std::size_t bound = kDefaultBound);
    // Wakes the thread and waits for it to end.
    ~CPortReader();
    CPortReader(const CPortReader&) = delete;
    CPortReader& operator=(const CPortReader&) = delete;

    // Bytes that arrived together.
    struct Chunk {
        std::vector<char> bytes;
        std::chrono::steady_clock::time_point arrived;
    };

    // The oldest chunk not handed out yet, waiting for one until `limit`.
    // TimeOut when none came by then; Failed, with the system's error
    // number, once the chunks before a failure have been handed out, and
    // with ENOMEM, instead of an exception, when there is no memory for the
    // chunk's copy (`chunk` may then have lost some of what it held).
    ReadStatus Take(Chunk& chunk, CSerialPort::Deadline limit, int& error);

    // What the reader holds now.
    struct Holding {
        std::size_t bytes = 0;
        std::size_t reads = 0;
        bool ended = false;
        // As the bound counts it.
        std::size_t Counted() const;
    };
    Holding Held() const;

private:
    // Where one read's bytes end in bytes_, and when they arrived.
    struct ReadRecord {
        std::size_t size;
        std::chrono::steady_clock::time_point arrived;
    };

    Holding HeldLocked() const;
    bool HandOut(Chunk& chunk);
    void Read();
    bool WaitForRoom();
    bool WaitForInput();
    bool ReadChunk();
    bool Keep(std::size_t count, std::chrono::steady_clock::time_point arrived);
    void EndWith(int error);
    void EndHolding(int error);

    const int descriptor_;
    const std::size_t bound_;
    CFileDescriptor wakeRead_;
    CFileDescriptor wakeWrite_;
    std::array<char, 4096> scratch_{}; // the reading thread's alone

    mutable std::mutex mutex_;
    std::condition_variable arrivedOrEnded_;
    std::condition_variable roomOrStop_;
    std::deque<char> bytes_;
    std::deque<ReadRecord> reads_;
    int failure_ = 0; // the error that ended the reading, 0 while none
    bool ended_ = false;
    bool stopping_ = false;

    std::thread thread_; // last: it starts once everything above is ready
};
