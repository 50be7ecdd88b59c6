#include "tarnlog.h"

#include <cerrno>
#include <chrono>
#include <cstdarg>
#include <cstdlib>
#include <ctime>
#include <sys/stat.h>

namespace tarnwire {

namespace {

constexpr long kRotateSize = 4 * 1024 * 1024;

bool makePath(const std::string &path)
{
    for (size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos == path.size() || path[pos] == '/') {
            const std::string part = path.substr(0, pos);
            if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
                return false;
        }
    }
    return true;
}

std::string defaultDirectory()
{
    if (const char *d = std::getenv("TARN_LOG_DIR"); d && *d)
        return d;
    if (const char *d = std::getenv("XDG_DATA_HOME"); d && *d)
        return std::string(d) + "/TARN/log";
    if (const char *h = std::getenv("HOME"); h && *h)
        return std::string(h) + "/.local/share/TARN/log";
    return "/tmp/TARN/log";
}

} // namespace

TarnLog &TarnLog::instance()
{
    // Never destroyed, like the client that writes to it during exit.
    static TarnLog *const log = new TarnLog;
    return *log;
}

bool TarnLog::open(int level, const std::string &directory, bool rotate)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
    const std::string dir = directory.empty() ? defaultDirectory() : directory;
    if (!makePath(dir))
        return false;
    m_path = dir + "/tarnsdk.log";
    m_file = std::fopen(m_path.c_str(), "a");
    m_level = level;
    m_rotate = rotate;
    return m_file != nullptr;
}

void TarnLog::close()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
}

std::string TarnLog::path() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_path;
}

void TarnLog::write(Level level, const char *format, ...)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_file || level > m_level)
        return;
    if (m_rotate && std::ftell(m_file) > kRotateSize) {
        std::fclose(m_file);
        std::rename(m_path.c_str(), (m_path + ".1").c_str());
        m_file = std::fopen(m_path.c_str(), "a");
        if (!m_file)
            return;
    }
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    const long ms = long(std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
    std::tm tm{};
    localtime_r(&t, &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &tm);
    static const char *names[] = {"", "ERROR", "INFO", "DEBUG"};
    std::fprintf(m_file, "%s.%03ld [%s] ", stamp, ms, names[level]);
    va_list args;
    va_start(args, format);
    std::vfprintf(m_file, format, args);
    va_end(args);
    std::fputc('\n', m_file);
    std::fflush(m_file);
}

} // namespace tarnwire
