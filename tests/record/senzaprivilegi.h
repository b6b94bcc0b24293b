#pragma once

// While it lives, the thread that made it, and every thread that thread starts,
// obey file permissions even when the tests run as root: the capabilities that
// override them are lowered, then raised again. For an ordinary user it changes
// nothing, as such a user has none of them.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class SenzaPrivilegi final
{
public:
    SenzaPrivilegi()
    {
        syscall(SYS_capget, &m_intestazione, m_prima);
        __user_cap_data_struct ridotte[2] = {m_prima[0], m_prima[1]};
        ridotte[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        syscall(SYS_capset, &m_intestazione, ridotte);
    }
    ~SenzaPrivilegi() { syscall(SYS_capset, &m_intestazione, m_prima); }
    SenzaPrivilegi(const SenzaPrivilegi &) = delete;
    SenzaPrivilegi &operator=(const SenzaPrivilegi &) = delete;

private:
    __user_cap_header_struct m_intestazione{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_prima[2]{};
};
