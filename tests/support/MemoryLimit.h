// Running as on a machine with less memory: tests of what happens when memory runs out.
#pragma once

#include <QtGlobal>

// Limiting the address space works on Linux only, and not under the address sanitizer, which
// reserves far more address space than it uses.
#if defined(Q_OS_LINUX) && !defined(__SANITIZE_ADDRESS__)
#define KORVIA_HAVE_MEMORY_LIMIT 1

#include <QByteArray>
#include <QFile>

#include <sys/resource.h>

namespace testing_support {

// While alive, the process may take only this much more address space than it has now.
class MemoryLimit {
public:
    explicit MemoryLimit(rlim_t more)
    {
        getrlimit(RLIMIT_AS, &m_old);
        QFile status(QStringLiteral("/proc/self/status"));
        status.open(QIODevice::ReadOnly);
        const QByteArray text = status.readAll();
        const qsizetype at = text.indexOf("VmSize:");
        const rlim_t used = rlim_t(text.mid(at + 7, text.indexOf('\n', at) - at - 7).trimmed().split(' ')[0].toLongLong()) << 10;
        rlimit limit = m_old;
        limit.rlim_cur = used + more;
        setrlimit(RLIMIT_AS, &limit);
    }
    ~MemoryLimit() { setrlimit(RLIMIT_AS, &m_old); }
    MemoryLimit(const MemoryLimit &) = delete;
    MemoryLimit &operator=(const MemoryLimit &) = delete;

private:
    rlimit m_old {};
};

} // namespace testing_support

#define SKIP_WITHOUT_MEMORY_LIMIT() (void)0
#else
#define SKIP_WITHOUT_MEMORY_LIMIT() \
    GTEST_SKIP() << "Linux only, and not under the address sanitizer: limits the address space (setrlimit)"
#endif
