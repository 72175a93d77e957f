#include "crashhandler.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMaxArgs = 8;
constexpr int kPathMax = 4096;

char s_dumpDir[kPathMax];
char s_noticeArgStore[kMaxArgs][kPathMax];
char *s_noticeArgv[kMaxArgs + 1];
constexpr std::size_t kAltStackSize = 64 * 1024;
char s_altStack[kAltStackSize];
volatile sig_atomic_t s_inHandler = 0;

// Civil date from days since 1970-01-01 (H. Hinnant's algorithm); pure arithmetic, signal-safe.
void civilFromDays(long long z, int &y, unsigned &m, unsigned &d)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long yy = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<int>(yy + (m <= 2));
}

// Writes `v` zero-padded to `width` digits at `out`; returns the end.
char *putNumber(char *out, long long v, int width)
{
    char tmp[24];
    int n = 0;
    if (v < 0)
        v = 0;
    do {
        tmp[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v > 0 && n < 20);
    while (n < width)
        tmp[n++] = '0';
    while (n > 0)
        *out++ = tmp[--n];
    return out;
}

// "yyyy_MM_dd_hh_mm_ss.dmp" (UTC) into `out` (at least 32 bytes).
void formatName(char *out, long long epochSeconds)
{
    long long days = epochSeconds / 86400;
    long long secs = epochSeconds % 86400;
    if (secs < 0) {
        secs += 86400;
        --days;
    }
    int y;
    unsigned m, d;
    civilFromDays(days, y, m, d);
    char *p = out;
    p = putNumber(p, y, 4);
    *p++ = '_';
    p = putNumber(p, m, 2);
    *p++ = '_';
    p = putNumber(p, d, 2);
    *p++ = '_';
    p = putNumber(p, secs / 3600, 2);
    *p++ = '_';
    p = putNumber(p, (secs / 60) % 60, 2);
    *p++ = '_';
    p = putNumber(p, secs % 60, 2);
    std::memcpy(p, ".dmp", 5);
}

void writeText(int fd, const char *s)
{
    ssize_t ignored = ::write(fd, s, std::strlen(s));
    (void)ignored;
}

void handler(int sig, siginfo_t *info, void *)
{
    if (s_inHandler) {
        ::signal(sig, SIG_DFL);
        ::raise(sig);
        return;
    }
    s_inHandler = 1;

    ::mkdir(s_dumpDir, 0700);
    char path[kPathMax + 40];
    const std::size_t dirLen = std::strlen(s_dumpDir);
    std::memcpy(path, s_dumpDir, dirLen);
    path[dirLen] = '/';
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    char *const name = path + dirLen + 1;
    formatName(name, now.tv_sec);

    // Never over an earlier dump (several faults in one second): "<time>-<n>.dmp" instead. No
    // following of a link planted under the name either.
    char *const extension = name + std::strlen(name) - 4;
    int fd = -1;
    for (int n = 1; n < 1000; ++n) {
        fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
            break;
        char *p = extension;
        *p++ = '-';
        p = putNumber(p, n, 1);
        std::memcpy(p, ".dmp", 5);
    }
    if (fd >= 0) {
        char line[64];
        writeText(fd, "Tidelumen crash dump\nsignal ");
        *putNumber(line, sig, 1) = '\0';
        writeText(fd, line);
        writeText(fd, "\npid ");
        *putNumber(line, ::getpid(), 1) = '\0';
        writeText(fd, line);
        writeText(fd, "\nfault address 0x");
        unsigned long long addr = info ? reinterpret_cast<unsigned long long>(info->si_addr) : 0;
        char hex[17];
        for (int i = 15; i >= 0; --i) {
            hex[i] = "0123456789abcdef"[addr & 0xF];
            addr >>= 4;
        }
        hex[16] = '\0';
        writeText(fd, hex);
        writeText(fd, "\nbacktrace:\n");
        void *frames[64];
        const int n = ::backtrace(frames, 64);
        ::backtrace_symbols_fd(frames, n, fd);
        ::fsync(fd);
        ::close(fd);
    }

    if (s_noticeArgv[0]) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::setsid();
            ::execv(s_noticeArgv[0], s_noticeArgv);
            ::_exit(127);
        }
    }

    ::signal(sig, SIG_DFL);
    ::raise(sig);
}

} // namespace

namespace crashhandler {

QString dumpFileName(long long epochSeconds)
{
    char name[40];
    formatName(name, epochSeconds);
    return QString::fromLatin1(name);
}

void prepareThread()
{
    // Owned by the thread; switched off before it is freed at the thread's end.
    struct ThreadStack
    {
        std::unique_ptr<char[]> memory;
        ~ThreadStack()
        {
            if (!memory)
                return;
            stack_t off{};
            off.ss_flags = SS_DISABLE;
            ::sigaltstack(&off, nullptr);
        }
    };
    thread_local ThreadStack stack;
    if (stack.memory)
        return;
    stack.memory = std::make_unique<char[]>(kAltStackSize);
    stack_t ss{};
    ss.ss_sp = stack.memory.get();
    ss.ss_size = kAltStackSize;
    if (::sigaltstack(&ss, nullptr) != 0)
        stack.memory.reset();
}

bool install(const QString &dumpDir, const QStringList &noticeCommand)
{
    const QByteArray dir = QFile::encodeName(QDir::cleanPath(dumpDir));
    if (dir.isEmpty() || dir.size() >= kPathMax - 40 || noticeCommand.size() > kMaxArgs)
        return false;
    QDir().mkpath(dumpDir);
    std::memcpy(s_dumpDir, dir.constData(), static_cast<std::size_t>(dir.size()) + 1);

    std::memset(s_noticeArgv, 0, sizeof(s_noticeArgv));
    for (int i = 0; i < noticeCommand.size(); ++i) {
        const QByteArray arg = QFile::encodeName(noticeCommand.at(i));
        if (arg.size() >= kPathMax)
            return false;
        std::memcpy(s_noticeArgStore[i], arg.constData(), static_cast<std::size_t>(arg.size()) + 1);
        s_noticeArgv[i] = s_noticeArgStore[i];
    }

    // backtrace() loads its unwinder lazily; do it now, not inside the handler.
    void *warm[2];
    ::backtrace(warm, 2);

    stack_t ss{};
    ss.ss_sp = s_altStack;
    ss.ss_size = sizeof(s_altStack);
    ::sigaltstack(&ss, nullptr);

    struct sigaction sa
    {
    };
    sa.sa_sigaction = handler;
    sa.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS})
        ::sigaction(sig, &sa, nullptr);
    return true;
}

} // namespace crashhandler
