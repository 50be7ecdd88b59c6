#ifndef KELPMUTEX_H
#define KELPMUTEX_H

// The portable runtime's mutex: a lock that the thread holding it may take
// again, offered both as a C-style handle API and as the small class
// KELP_Mutex. Every lock must be matched by one unlock on the same thread.

#include <memory>

struct KELP_MutexObject;

// Handle of one mutex; created by KELP_MutexCreate and owned by the caller
// until it is handed back to KELP_MutexDestroy.
using KELP_MUTEX = KELP_MutexObject *;

// Result codes of the handle functions.
enum KELP_MutexResult {
    KELP_MUTEX_OK = 0,
    KELP_MUTEX_INVALID = -1,    // null handle
    KELP_MUTEX_NOT_OWNER = -2,  // unlock by a thread that does not hold the mutex
    KELP_MUTEX_BUSY = -3        // destroy of a mutex that some thread still holds
};

// Returns null when no memory is left; never throws.
KELP_MUTEX KELP_MutexCreate();
int KELP_MutexDestroy(KELP_MUTEX mutex);
int KELP_MutexLock(KELP_MUTEX mutex);
int KELP_MutexUnlock(KELP_MUTEX mutex);

// A recursive mutex owned by the object that holds it, for process-wide
// statics such as the creation lock of the singletons.
class KELP_Mutex
{
public:
    KELP_Mutex();
    ~KELP_Mutex();

    KELP_Mutex(const KELP_Mutex &) = delete;
    KELP_Mutex &operator=(const KELP_Mutex &) = delete;

    void Lock();
    void Unlock();

    KELP_MUTEX Handle() const;

private:
    std::unique_ptr<KELP_MutexObject, int (*)(KELP_MUTEX)> m_handle;
};

#endif // KELPMUTEX_H
