#ifndef KELPMUTEXGUARD_H
#define KELPMUTEXGUARD_H

// Holds a KELP mutex for the lifetime of a scope, so that every way out of
// the scope (early return, exception) releases it.

#include "kelpmutex.h"

class KELP_MutexGuard
{
public:
    explicit KELP_MutexGuard(KELP_MUTEX mutex);
    explicit KELP_MutexGuard(KELP_Mutex &mutex);
    ~KELP_MutexGuard();

    KELP_MutexGuard(const KELP_MutexGuard &) = delete;
    KELP_MutexGuard &operator=(const KELP_MutexGuard &) = delete;

private:
    KELP_MUTEX m_mutex;
};

#endif // KELPMUTEXGUARD_H
