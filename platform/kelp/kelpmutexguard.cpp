#include "kelpmutexguard.h"

KELP_MutexGuard::KELP_MutexGuard(KELP_MUTEX mutex)
    : m_mutex(mutex)
{
    KELP_MutexLock(m_mutex);
}

KELP_MutexGuard::KELP_MutexGuard(KELP_Mutex &mutex)
    : KELP_MutexGuard(mutex.Handle())
{
}

KELP_MutexGuard::~KELP_MutexGuard()
{
    KELP_MutexUnlock(m_mutex);
}
