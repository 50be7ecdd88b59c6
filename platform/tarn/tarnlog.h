#ifndef TARNLOG_H
#define TARNLOG_H

// The library's own log file. Off until TARN_SetLogToFile; written into the
// user's data folder (or TARN_LOG_DIR), rotated once it grows past a few
// megabytes. Secrets are never logged.

#include <cstdio>
#include <mutex>
#include <string>

namespace tarnwire {

class TarnLog
{
public:
    enum Level { Error = 1, Info = 2, Debug = 3 };

    static TarnLog &instance();

    // Empty directory: TARN_LOG_DIR, else $XDG_DATA_HOME/TARN/log, else ~/.local/share/TARN/log.
    bool open(int level, const std::string &directory, bool rotate);
    void close();
    std::string path() const;

    void write(Level level, const char *format, ...) __attribute__((format(printf, 3, 4)));

private:
    TarnLog() = default;
    mutable std::mutex m_mutex;
    std::FILE *m_file = nullptr;
    std::string m_path;
    int m_level = 0;
    bool m_rotate = false;
};

} // namespace tarnwire

#define TARN_LOG(level, ...) ::tarnwire::TarnLog::instance().write(::tarnwire::TarnLog::level, __VA_ARGS__)

#endif // TARNLOG_H
