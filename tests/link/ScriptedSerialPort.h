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
        ReadStatus whenEmpty = ReadStatus::TimeOut;
        std::string errorText = "Input/output error";
        bool openFails = false;
        bool writeFails = false;
        std::string written;
        int opens = 0;
        int closes = 0;
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
    ReadStatus ReadByte(char& byte, Deadline) override
    {
        if (script_->input.empty()) return script_->whenEmpty;
        byte = script_->input.front();
        script_->input.erase(0, 1);
        return ReadStatus::Byte;
    }
    std::string ErrorText() const override { return script_->errorText; }

private:
    std::shared_ptr<Script> script_;
    bool open_ = false;
};
