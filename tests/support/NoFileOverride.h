#pragma once
// Makes file permissions hold for this thread while it lives, also when the
// tests run as root: the capabilities that override them are dropped from
// the effective set and given back at the end. Without it a read-only file
// or folder made by a test would not stop root from writing.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class TNoFileOverride {
public:
    TNoFileOverride() {
        if (syscall(SYS_capget, &header_, data_) != 0)
            return;
        __user_cap_data_struct less[2] = {data_[0], data_[1]};
        less[0].effective &=
            ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        dropped_ = syscall(SYS_capset, &header_, less) == 0;
    }
    ~TNoFileOverride() {
        if (dropped_)
            syscall(SYS_capset, &header_, data_);
    }
    TNoFileOverride(const TNoFileOverride&) = delete;
    TNoFileOverride& operator=(const TNoFileOverride&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data_[2]{};
    bool dropped_ = false;
};
