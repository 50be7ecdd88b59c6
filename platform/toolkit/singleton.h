#ifndef SINGLETON_H
#define SINGLETON_H

// Base of the program's single-instance services (discovery handler, device
// store, ...): T derives from CSingleton<T> and befriends it, and every user
// reaches the one object through T::Instance(). The object is made by the
// first caller, whatever thread that is, and destroyed at program exit.

#include "kelpmutex.h"
#include "kelpmutexguard.h"

#include <atomic>
#include <memory>

namespace Singleton {

template <typename T>
class CSingleton
{
public:
    static T *Instance()
    {
        // The published pointer is atomic so that the unlocked first check
        // never sees a pointer to an object whose construction another
        // thread has not finished.
        T *instance = s_instance.load(std::memory_order_acquire);
        if (instance == nullptr) {
            KELP_MutexGuard guard(creationMutex());
            instance = s_instance.load(std::memory_order_relaxed);
            if (instance == nullptr) {
                // Constructed through the friend declaration in T, hence not
                // make_unique.
                instance = keepUntilExit(std::unique_ptr<T>(new T));
                s_instance.store(instance, std::memory_order_release);
            }
        }
        return instance;
    }

    CSingleton(const CSingleton &) = delete;
    CSingleton &operator=(const CSingleton &) = delete;

protected:
    CSingleton() = default;
    ~CSingleton() = default;

private:
    // The owner is a local static initialised from the finished object, so
    // it is registered for destruction after everything the constructor of
    // T brought to life (for instance the state of a library it set up) and
    // is therefore destroyed before that state. Called once, under the lock.
    static T *keepUntilExit(std::unique_ptr<T> created)
    {
        static const std::unique_ptr<T> owner(std::move(created));
        return owner.get();
    }

    // A local static rather than a static member: it exists before the first
    // Instance() call even when that call comes from another static's
    // initialiser.
    static KELP_Mutex &creationMutex()
    {
        static KELP_Mutex mutex;
        return mutex;
    }

    inline static std::atomic<T *> s_instance{nullptr};
};

} // namespace Singleton

#endif // SINGLETON_H
