// The runtime's recursive mutex and the single-instance template built on it:
// one object however many threads ask for it first.

#include "kelpmutex.h"
#include "singleton.h"

#include <QStandardPaths>
#include <QTest>

#include <atomic>
#include <thread>
#include <vector>

namespace {

std::atomic<int> g_constructions{0};

class CountedService : public Singleton::CSingleton<CountedService>
{
    friend class Singleton::CSingleton<CountedService>;

public:
    int value = 0;

private:
    CountedService()
    {
        ++g_constructions;
        // Give the other threads time to reach the creation lock.
        std::this_thread::yield();
        value = 42;
    }
};

bool waitThenJoin(std::thread &worker, const std::atomic<bool> &done)
{
    const bool finished = QTest::qWaitFor([&] { return done.load(); }, 5000);
    if (finished)
        worker.join();
    else
        worker.detach();
    return finished;
}

} // namespace

class SingletonTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void ownerMayLockAgain();
    void otherThreadWaitsForLastUnlock();
    void misuseIsRefused_data();
    void misuseIsRefused();
    void concurrentFirstCallsMakeOneInstance();
};

void SingletonTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void SingletonTest::ownerMayLockAgain()
{
    KELP_MUTEX mutex = KELP_MutexCreate();
    QVERIFY(mutex != nullptr);
    QCOMPARE(KELP_MutexLock(mutex), int(KELP_MUTEX_OK));
    QCOMPARE(KELP_MutexLock(mutex), int(KELP_MUTEX_OK));
    QCOMPARE(KELP_MutexUnlock(mutex), int(KELP_MUTEX_OK));
    QCOMPARE(KELP_MutexUnlock(mutex), int(KELP_MUTEX_OK));
    QCOMPARE(KELP_MutexDestroy(mutex), int(KELP_MUTEX_OK));
}

void SingletonTest::otherThreadWaitsForLastUnlock()
{
    KELP_Mutex mutex;
    mutex.Lock();
    mutex.Lock();

    std::atomic<bool> acquired{false};
    std::thread worker([&] {
        mutex.Lock();
        acquired = true;
        mutex.Unlock();
    });

    mutex.Unlock();
    QVERIFY(!QTest::qWaitFor([&] { return acquired.load(); }, 200));
    mutex.Unlock();
    QVERIFY(waitThenJoin(worker, acquired));
}

void SingletonTest::misuseIsRefused_data()
{
    QTest::addColumn<QString>("misuse");
    QTest::addColumn<int>("result");

    QTest::newRow("lock a null handle") << "lock null" << int(KELP_MUTEX_INVALID);
    QTest::newRow("unlock a null handle") << "unlock null" << int(KELP_MUTEX_INVALID);
    QTest::newRow("destroy a null handle") << "destroy null" << int(KELP_MUTEX_INVALID);
    QTest::newRow("unlock a free mutex") << "unlock free" << int(KELP_MUTEX_NOT_OWNER);
    QTest::newRow("unlock another thread's mutex") << "unlock foreign" << int(KELP_MUTEX_NOT_OWNER);
    QTest::newRow("destroy a held mutex") << "destroy held" << int(KELP_MUTEX_BUSY);
}

void SingletonTest::misuseIsRefused()
{
    QFETCH(QString, misuse);
    QFETCH(int, result);

    KELP_MUTEX mutex = KELP_MutexCreate();
    QVERIFY(mutex != nullptr);
    int actual = 0;
    if (misuse == QLatin1String("lock null")) {
        actual = KELP_MutexLock(nullptr);
    } else if (misuse == QLatin1String("unlock null")) {
        actual = KELP_MutexUnlock(nullptr);
    } else if (misuse == QLatin1String("destroy null")) {
        actual = KELP_MutexDestroy(nullptr);
    } else if (misuse == QLatin1String("unlock free")) {
        actual = KELP_MutexUnlock(mutex);
    } else if (misuse == QLatin1String("unlock foreign")) {
        KELP_MutexLock(mutex);
        std::thread([&] { actual = KELP_MutexUnlock(mutex); }).join();
        KELP_MutexUnlock(mutex);
    } else if (misuse == QLatin1String("destroy held")) {
        KELP_MutexLock(mutex);
        actual = KELP_MutexDestroy(mutex);
        KELP_MutexUnlock(mutex);
    }
    QCOMPARE(actual, result);
    // Whatever was refused, the mutex still works and can be destroyed.
    QCOMPARE(KELP_MutexLock(mutex), int(KELP_MUTEX_OK));
    QCOMPARE(KELP_MutexUnlock(mutex), int(KELP_MUTEX_OK));
    QCOMPARE(KELP_MutexDestroy(mutex), int(KELP_MUTEX_OK));
}

void SingletonTest::concurrentFirstCallsMakeOneInstance()
{
    constexpr int threadCount = 8;
    std::atomic<bool> go{false};
    std::atomic<int> finished{0};
    std::vector<CountedService *> seen(threadCount, nullptr);
    std::vector<int> values(threadCount, 0);
    std::vector<std::thread> workers;
    for (int i = 0; i < threadCount; ++i) {
        workers.emplace_back([&, i] {
            while (!go.load())
                std::this_thread::yield();
            seen[i] = CountedService::Instance();
            values[i] = seen[i]->value;
            ++finished;
        });
    }
    go = true;
    const bool allFinished = QTest::qWaitFor([&] { return finished.load() == threadCount; }, 5000);
    for (std::thread &worker : workers) {
        if (allFinished)
            worker.join();
        else
            worker.detach();
    }
    QVERIFY(allFinished);

    QCOMPARE(g_constructions.load(), 1);
    for (int i = 0; i < threadCount; ++i) {
        QCOMPARE(seen[i], CountedService::Instance());
        QCOMPARE(values[i], 42);  // never a half-built object
    }
}

QTEST_GUILESS_MAIN(SingletonTest)
#include "tst_singleton.moc"
