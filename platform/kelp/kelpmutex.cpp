#include "kelpmutex.h"

#include <atomic>
#include <mutex>
#include <new>
#include <thread>

struct KELP_MutexObject
{
    std::recursive_mutex mutex;
    // The owner is read without holding the mutex (to refuse a foreign
    // unlock), so it is atomic; the depth is only touched by the owner.
    std::atomic<std::thread::id> owner{};
    unsigned long depth = 0;
};

KELP_MUTEX KELP_MutexCreate()
{
    return new (std::nothrow) KELP_MutexObject;
}

int KELP_MutexDestroy(KELP_MUTEX mutex)
{
    if (mutex == nullptr)
        return KELP_MUTEX_INVALID;
    // Destroying a held std::recursive_mutex is undefined; refuse instead and
    // leave the object alive, which is the lesser harm.
    if (mutex->owner.load() != std::thread::id())
        return KELP_MUTEX_BUSY;
    delete mutex;
    return KELP_MUTEX_OK;
}

int KELP_MutexLock(KELP_MUTEX mutex)
{
    if (mutex == nullptr)
        return KELP_MUTEX_INVALID;
    mutex->mutex.lock();
    if (mutex->depth++ == 0)
        mutex->owner.store(std::this_thread::get_id());
    return KELP_MUTEX_OK;
}

int KELP_MutexUnlock(KELP_MUTEX mutex)
{
    if (mutex == nullptr)
        return KELP_MUTEX_INVALID;
    // Unlocking a std::recursive_mutex from another thread is undefined, so
    // an unbalanced unlock is reported rather than passed on.
    if (mutex->owner.load() != std::this_thread::get_id())
        return KELP_MUTEX_NOT_OWNER;
    if (--mutex->depth == 0)
        mutex->owner.store(std::thread::id());
    mutex->mutex.unlock();
    return KELP_MUTEX_OK;
}

KELP_Mutex::KELP_Mutex()
    : m_handle(KELP_MutexCreate(), &KELP_MutexDestroy)
{
    if (!m_handle)
        throw std::bad_alloc();
}

KELP_Mutex::~KELP_Mutex() = default;

void KELP_Mutex::Lock()
{
    KELP_MutexLock(m_handle.get());
}

void KELP_Mutex::Unlock()
{
    KELP_MutexUnlock(m_handle.get());
}

KELP_MUTEX KELP_Mutex::Handle() const
{
    return m_handle.get();
}
