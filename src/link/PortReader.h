#pragma once

#include "link/FileDescriptor.h"
#include "link/SerialPort.h"

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
// A hang-up or a read error is handed out after the bytes that came before
// it, and ends the reading. What it holds is bounded: when it is full it
// stops reading, and the device's bytes wait in the system as they would
// without it. Whatever it holds is dropped when it goes.
class CPortReader {
public:
    // Starts reading the descriptor, which must stay open until the reader
    // has gone. Throws std::system_error when no thread can be started.
    explicit CPortReader(int descriptor);
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
    // number, once the chunks before a failure have been handed out.
    ReadStatus Take(Chunk& chunk, CSerialPort::Deadline limit, int& error);

private:
    void Read();
    bool WaitForRoom();
    bool WaitForInput();
    bool ReadChunk();
    void EndWith(int error);

    const int descriptor_;
    CFileDescriptor wakeRead_;
    CFileDescriptor wakeWrite_;

    std::mutex mutex_;
    std::condition_variable arrivedOrEnded_;
    std::condition_variable roomOrStop_;
    std::deque<Chunk> chunks_;
    std::size_t held_ = 0; // bytes in chunks_
    int failure_ = 0;       // the error that ended the reading, 0 while none
    bool ended_ = false;
    bool stopping_ = false;

    std::thread thread_; // last: it starts once everything above is ready
};
