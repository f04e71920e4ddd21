#pragma once

#include "link/SerialPort.h"

#include <memory>
#include <string>

// A serial port that plays back prepared input and records what is written;
// the test keeps the script while the link owns the port.
class CScriptedSerialPort final : public CSerialPort {
public:
    struct Script {
        std::string input;                      // handed out byte by byte
        std::size_t consumed = 0;               // bytes of input handed out
        ReadStatus whenEmpty = ReadStatus::TimeOut;
        std::string errorText = "Input/output error";
        bool openFails = false;
        bool writeFails = false;
        std::string written;
        int opens = 0;
        int closes = 0;

        void Feed(std::string bytes)
        {
            input = std::move(bytes);
            consumed = 0;
        }
        std::size_t Unread() const { return input.size() - consumed; }
    };

    explicit CScriptedSerialPort(std::shared_ptr<Script> script) : script_(std::move(script)) {}

    bool Open(const SerialSettings&) override
    {
        if (script_->openFails) return false;
        ++script_->opens;
        open_ = true;
        return true;
    }
    bool IsOpen() const override { return open_; }
    void Close() override
    {
        if (!open_) return;
        ++script_->closes;
        open_ = false;
    }
    bool Write(std::string_view bytes) override
    {
        if (script_->writeFails) return false;
        script_->written += bytes;
        return true;
    }
    ReadStatus ReadByte(ReceivedByte& byte, Deadline) override
    {
        if (script_->Unread() == 0) return script_->whenEmpty;
        byte = {script_->input[script_->consumed++], std::chrono::steady_clock::now()};
        return ReadStatus::Byte;
    }
    std::string ErrorText() const override { return script_->errorText; }

private:
    std::shared_ptr<Script> script_;
    bool open_ = false;
};
