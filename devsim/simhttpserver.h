#ifndef SIMHTTPSERVER_H
#define SIMHTTPSERVER_H

// The small web page of each simulated device whose address is on loopback,
// so that opening a device's page from the program shows something real in
// the demo. One thread serves every page; the simulator hands it the pages'
// current texts after each change.

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace devsim {

class SimHttpServer
{
public:
    SimHttpServer() = default;
    ~SimHttpServer();
    SimHttpServer(const SimHttpServer &) = delete;
    SimHttpServer &operator=(const SimHttpServer &) = delete;

    // Listens on address:port (a loopback address only); false when that fails.
    bool listen(const std::string &address, uint16_t port, std::string *error);
    void setPage(const std::string &address, uint16_t port, const std::string &html);
    void start();
    void stop();

private:
    struct Listener {
        int socket;
        std::string key;
    };
    void serve();
    void answer(int client, const std::string &key);

    std::vector<Listener> m_listeners;
    std::mutex m_mutex;
    std::map<std::string, std::string> m_pages;   // "address:port" -> html
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    int m_wake[2] = {-1, -1};
};

// Whether a dotted IPv4 text is in 127.0.0.0/8.
bool isLoopbackAddress(const std::string &address);

} // namespace devsim

#endif // SIMHTTPSERVER_H
