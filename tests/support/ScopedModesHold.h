#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Root reads and enters whatever the modes say; without these two
// capabilities of the calling thread the modes hold for it as for anyone.
class ScopedModesHold {
public:
    ScopedModesHold()
    {
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &= ~(CAP_TO_MASK(CAP_DAC_OVERRIDE) | CAP_TO_MASK(CAP_DAC_READ_SEARCH));
        dropped_ = ::syscall(SYS_capset, &header_, lowered) == 0;
    }
    ~ScopedModesHold()
    {
        if (dropped_) ::syscall(SYS_capset, &header_, saved_);
    }
    ScopedModesHold(const ScopedModesHold&) = delete;
    ScopedModesHold& operator=(const ScopedModesHold&) = delete;

    bool Held() const { return dropped_; }

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool dropped_ = false;
};
