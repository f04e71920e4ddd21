#include "BytePattern.h"
#include "FailingAllocation.h"
#include "link/FileDescriptor.h"
#include "link/PortReader.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <malloc.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr std::size_t kMiB = 1024 * 1024;

CSerialPort::Deadline Later() { return std::chrono::steady_clock::now() + 10s; }

struct Pipe {
    CFileDescriptor readEnd;
    CFileDescriptor writeEnd;

    Pipe()
    {
        int ends[2] = {-1, -1};
        EXPECT_EQ(::pipe2(ends, O_CLOEXEC), 0);
        readEnd = CFileDescriptor(ends[0]);
        writeEnd = CFileDescriptor(ends[1]);
    }
};

// The heap in use as the C library counts it, on every thread.
std::size_t HeapInUse()
{
    const struct mallinfo2 figures = ::mallinfo2();
    return figures.uordblks + figures.hblkhd;
}

// A sanitizer's allocator is not the C library's, whose figures then miss
// the program's allocations.
bool HeapFigureSeesAllocations()
{
    const std::size_t before = HeapInUse();
    const auto block = std::make_unique<char[]>(kMiB);
    std::memset(block.get(), 1, kMiB);
    return HeapInUse() >= before + kMiB;
}

// Writes the next byte once the reader has taken the one before from the
// pipe and kept it, so that every read brings exactly one byte; false when
// the reader has ended instead.
bool FeedOneByteRead(const Pipe& pipe, const CPortReader& reader, std::size_t index)
{
    const char byte = PatternByte(index);
    if (::write(pipe.writeEnd.Get(), &byte, 1) != 1) return false;
    for (;;) {
        const CPortReader::Holding held = reader.Held();
        if (held.reads > index) return true;
        if (held.ended) return false;
        std::this_thread::yield();
    }
}

// The bytes written to the pipe that no one has read yet.
int Unread(const Pipe& pipe)
{
    int count = -1;
    EXPECT_EQ(::ioctl(pipe.readEnd.Get(), FIONREAD, &count), 0);
    return count;
}

// Whether `done` came true before `limit` ran out.
bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

// Takes what the reader hands out until `expected` bytes have come, the
// reading has ended, or nothing has come for ten seconds: a reader's thread
// that a busy machine holds up ends nothing early.
std::string TakeAll(CPortReader& reader, std::size_t expected)
{
    std::string taken;
    CPortReader::Chunk chunk;
    int error = 0;
    while (taken.size() < expected && reader.Take(chunk, Later(), error) == ReadStatus::Byte) {
        taken.append(chunk.bytes.data(), chunk.bytes.size());
    }
    return taken;
}

TEST(PortReader, ReadsOfOneByteEachHoldNoMoreMemoryThanTheBoundAllows)
{
    constexpr std::size_t kBound = 2 * kMiB;
    const Pipe pipe;
    const bool heapSeen = HeapFigureSeesAllocations();
    const std::size_t heapBefore = HeapInUse();
    CPortReader reader(pipe.readEnd.Get(), kBound);

    std::size_t fed = 0;
    while (reader.Held().Counted() < kBound) ASSERT_TRUE(FeedOneByteRead(pipe, reader, fed++));
    EXPECT_EQ(reader.Held().reads, fed);
    EXPECT_EQ(reader.Held().bytes, fed);
    if (heapSeen) {
        EXPECT_LE(HeapInUse() - heapBefore, kBound + kBound / 4 + kMiB);
    } else {
        std::cout << "The heap figure does not see this allocator; only the order is checked.\n";
    }

    // Each read comes back alone, in order.
    CPortReader::Chunk chunk;
    int error = 0;
    for (std::size_t i = 0; i < fed; ++i) {
        ASSERT_EQ(reader.Take(chunk, Later(), error), ReadStatus::Byte);
        ASSERT_EQ(chunk.bytes.size(), 1u);
        ASSERT_EQ(chunk.bytes[0], PatternByte(i)) << i;
    }
    EXPECT_EQ(reader.Take(chunk, std::chrono::steady_clock::now() + 20ms, error), ReadStatus::TimeOut);
    EXPECT_EQ(reader.Held().Counted(), 0u);
}

TEST(PortReader, AtItsBoundOneByteReadsWaitInThePipeUntilATakeMakesRoom)
{
    // 241 one-byte reads with their records reach it; their bytes alone would
    // not before 4096 reads.
    constexpr std::size_t kBound = 4096;
    const Pipe pipe;
    CPortReader reader(pipe.readEnd.Get(), kBound);
    std::size_t fed = 0;
    while (reader.Held().Counted() < kBound) ASSERT_TRUE(FeedOneByteRead(pipe, reader, fed++));
    const std::string all = Pattern(fed + 3);
    ASSERT_EQ(::write(pipe.writeEnd.Get(), all.data() + fed, 3), 3);

    // A full reader reads nothing more. One that went on would have read the
    // new bytes at once, having nothing else to do: two seconds show that on
    // any machine, however loaded. The reader that stops leaves them in the
    // pipe however long it is watched, so no pace can fail it; the steps
    // that follow wait for what they need with a deadline no pause reaches.
    EXPECT_FALSE(WaitFor([&] { return Unread(pipe) < 3; }, 2s)) << "the reader went on past its bound";
    EXPECT_EQ(Unread(pipe), 3);
    EXPECT_EQ(reader.Held().reads, fed);
    EXPECT_EQ(reader.Held().bytes, fed);

    // A read taken makes room: what waited comes in one read, and fills it
    // again.
    CPortReader::Chunk chunk;
    int error = 0;
    ASSERT_EQ(reader.Take(chunk, Later(), error), ReadStatus::Byte);
    EXPECT_TRUE(WaitFor([&] { return Unread(pipe) == 0; }, 10s));
    EXPECT_TRUE(WaitFor([&] { return reader.Held().bytes == fed + 2; }, 10s));
    EXPECT_EQ(reader.Held().reads, fed);
    std::string taken(chunk.bytes.begin(), chunk.bytes.end());
    for (std::size_t i = 0; i < fed; ++i) {
        ASSERT_EQ(reader.Take(chunk, Later(), error), ReadStatus::Byte);
        taken.append(chunk.bytes.begin(), chunk.bytes.end());
    }
    EXPECT_EQ(taken, all);
}

TEST(PortReader, TheProgramsBoundHoldsTwentyMinutesOfFullReadsAt115200Baud)
{
    const Pipe pipe;
    ::fcntl(pipe.writeEnd.Get(), F_SETFL, O_NONBLOCK);
    CPortReader reader(pipe.readEnd.Get());
    const std::string pattern = Pattern(CPortReader::kDefaultBound + 4 * kMiB);

    // Nobody takes: the reader keeps reading until its count says full.
    std::size_t sent = 0;
    while (reader.Held().Counted() < CPortReader::kDefaultBound) {
        ASSERT_FALSE(reader.Held().ended);
        ASSERT_LT(sent, pattern.size()) << "the reader never stopped";
        const ssize_t written = ::write(pipe.writeEnd.Get(), pattern.data() + sent, std::min<std::size_t>(65536, pattern.size() - sent));
        if (written > 0) sent += static_cast<std::size_t>(written);
        else std::this_thread::yield();
    }
    // 11,520 bytes a second for twenty minutes.
    EXPECT_GE(reader.Held().bytes, std::size_t{13'824'000});

    // What waited in the pipe comes once there is room again.
    const std::string taken = TakeAll(reader, sent);
    ASSERT_EQ(taken.size(), sent);
    EXPECT_TRUE(taken == pattern.substr(0, sent));
}

TEST(PortReader, NoMemoryToKeepAReadEndsTheReadingAfterTheBytesBeforeIt)
{
    const Pipe pipe;
    CPortReader reader(pipe.readEnd.Get());
    ASSERT_TRUE(FeedOneByteRead(pipe, reader, 0));

    std::size_t kept = 1;
    {
        // The reader takes memory as its storage fills, a block at a time.
        const ScopedFailingAllocation failing(AllocatingThreads::Others);
        while (kept < 10000 && FeedOneByteRead(pipe, reader, kept)) ++kept;
        EXPECT_TRUE(failing.Failed());
    }
    // One-byte reads fill a block of records long before one of bytes: the
    // failure is a record's, after the read's bytes were added, and those
    // must have gone again.
    ASSERT_TRUE(reader.Held().ended);
    EXPECT_EQ(reader.Held().reads, kept);
    EXPECT_EQ(reader.Held().bytes, kept);

    // The bytes before the failure, then the failure, and nothing after it.
    EXPECT_EQ(TakeAll(reader, kept), Pattern(kept));
    CPortReader::Chunk chunk;
    int error = 0;
    const char late = 'z';
    ASSERT_EQ(::write(pipe.writeEnd.Get(), &late, 1), 1);
    for (int asked = 0; asked < 2; ++asked) {
        EXPECT_EQ(reader.Take(chunk, Later(), error), ReadStatus::Failed);
        EXPECT_EQ(error, ENOMEM);
    }
}

TEST(PortReader, NoMemoryToHandAReadOutEndsTheReadingAndDropsWhatItHolds)
{
    const Pipe pipe;
    CPortReader reader(pipe.readEnd.Get());
    for (std::size_t i = 0; i < 3; ++i) ASSERT_TRUE(FeedOneByteRead(pipe, reader, i));

    CPortReader::Chunk chunk;
    int error = 0;
    {
        // The first chunk is copied into fresh memory.
        const ScopedFailingAllocation failing(AllocatingThreads::This);
        EXPECT_EQ(reader.Take(chunk, Later(), error), ReadStatus::Failed);
        EXPECT_TRUE(failing.Failed());
    }
    EXPECT_EQ(error, ENOMEM);
    EXPECT_TRUE(reader.Held().ended);
    EXPECT_EQ(reader.Held().Counted(), 0u);

    // Nothing that comes later is kept. A reader that kept it would do so as
    // soon as it came, having nothing else to do: two seconds show that on
    // any machine, and one that keeps nothing passes however long it is
    // watched.
    const char late = 'z';
    ASSERT_EQ(::write(pipe.writeEnd.Get(), &late, 1), 1);
    EXPECT_FALSE(WaitFor([&] { return reader.Held().reads > 0; }, 2s));
    for (int asked = 0; asked < 2; ++asked) {
        error = 0;
        EXPECT_EQ(reader.Take(chunk, Later(), error), ReadStatus::Failed);
        EXPECT_EQ(error, ENOMEM);
    }
}

} // namespace
