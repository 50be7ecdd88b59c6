#include "simhttpserver.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace devsim {

bool isLoopbackAddress(const std::string &address)
{
    in_addr a{};
    return inet_pton(AF_INET, address.c_str(), &a) == 1 && (ntohl(a.s_addr) >> 24) == 127;
}

SimHttpServer::~SimHttpServer()
{
    stop();
    for (const Listener &l : m_listeners)
        ::close(l.socket);
}

bool SimHttpServer::listen(const std::string &address, uint16_t port, std::string *error)
{
    if (!isLoopbackAddress(address)) {
        *error = "status pages are served on loopback addresses only: " + address;
        return false;
    }
    const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const int one = 1;
    setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    inet_pton(AF_INET, address.c_str(), &sa.sin_addr);
    if (s < 0 || ::bind(s, reinterpret_cast<sockaddr *>(&sa), sizeof sa) != 0 || ::listen(s, 16) != 0) {
        *error = "cannot serve " + address + ":" + std::to_string(port) + ": " + std::strerror(errno);
        if (s >= 0)
            ::close(s);
        return false;
    }
    m_listeners.push_back({s, address + ":" + std::to_string(port)});
    return true;
}

void SimHttpServer::setPage(const std::string &address, uint16_t port, const std::string &html)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pages[address + ":" + std::to_string(port)] = html;
}

void SimHttpServer::start()
{
    if (m_listeners.empty() || m_thread.joinable())
        return;
    if (pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_stop = false;
    m_thread = std::thread(&SimHttpServer::serve, this);
}

void SimHttpServer::stop()
{
    if (!m_thread.joinable())
        return;
    m_stop = true;
    [[maybe_unused]] ssize_t r = ::write(m_wake[1], "x", 1);
    m_thread.join();
    ::close(m_wake[0]);
    ::close(m_wake[1]);
}

void SimHttpServer::serve()
{
    std::vector<pollfd> fds;
    for (const Listener &l : m_listeners)
        fds.push_back({l.socket, POLLIN, 0});
    fds.push_back({m_wake[0], POLLIN, 0});
    while (!m_stop) {
        if (::poll(fds.data(), fds.size(), 500) <= 0)
            continue;
        for (size_t i = 0; i < m_listeners.size(); ++i) {
            if (!(fds[i].revents & POLLIN))
                continue;
            const int client = ::accept4(m_listeners[i].socket, nullptr, nullptr, SOCK_CLOEXEC);
            if (client >= 0) {
                answer(client, m_listeners[i].key);
                ::close(client);
            }
        }
    }
}

void SimHttpServer::answer(int client, const std::string &key)
{
    // Read the request head (bounded, with a short wait), then answer whatever was asked.
    char buffer[2048];
    size_t have = 0;
    pollfd p{client, POLLIN, 0};
    while (have < sizeof buffer && ::poll(&p, 1, 1000) > 0) {
        const ssize_t n = ::recv(client, buffer + have, sizeof buffer - have, 0);
        if (n <= 0)
            break;
        have += size_t(n);
        if (std::string(buffer, have).find("\r\n\r\n") != std::string::npos)
            break;
    }
    std::string html;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        html = m_pages[key];
    }
    const std::string response = "HTTP/1.0 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                                 std::to_string(html.size()) + "\r\nConnection: close\r\n\r\n" + html;
    size_t sent = 0;
    while (sent < response.size()) {
        const ssize_t n = ::send(client, response.data() + sent, response.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            break;
        sent += size_t(n);
    }
}

} // namespace devsim
