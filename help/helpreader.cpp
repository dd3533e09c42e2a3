#include "helpreader.h"

#include "helppage.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tessuvo {

namespace {

using Clock = std::chrono::steady_clock;

// The reading process's end of the socket, the only file it inherits beside the standard ones.
constexpr int ProcessSocket = 3;
// Its exit status for a file chmlib does not open; away from 1, a sanitizer's status.
constexpr int NotAHelpFile = 101;
// Its answer for a page that is not there: in place of the page's length.
constexpr std::int64_t NoSuchPage = -1;

bool Send(int socket, const void* bytes, std::size_t size)
{
    const auto* at = static_cast<const char*>(bytes);
    while (size > 0) {
        const ssize_t sent = ::send(socket, at, size, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        at += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

// Fills `bytes`; false when the other end closes, fails or `deadline` passes first.
bool Receive(int socket, void* bytes, std::size_t size, Clock::time_point deadline)
{
    auto* at = static_cast<char*>(bytes);
    while (size > 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd ready{socket, POLLIN, 0};
        const int polled =
            ::poll(&ready, 1, static_cast<int>(std::clamp<long long>(left.count(), 0, INT_MAX)));
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled <= 0)
            return false;
        const ssize_t got = ::recv(socket, at, size, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        at += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

// The length of `page` read into `bytes`, or NoSuchPage.
std::int64_t ReadPage(const ChmLibrary& chm, chmFile* file, const char* page,
                      std::vector<unsigned char>& bytes)
{
    chmUnitInfo unit{};
    // The length is the file's own claim: checked before anything is set aside for it.
    if (chm.resolveObject(file, page, &unit) != CHM_RESOLVE_SUCCESS ||
        unit.length > MaxHelpPageBytes)
        return NoSuchPage;
    bytes.resize(unit.length);
    const LONGINT64 read =
        chm.retrieveObject(file, &unit, bytes.data(), 0, static_cast<LONGINT64>(unit.length));
    // A page that reads as nothing is lost to damage (a truncated file reads so).
    return read > 0 ? read : NoSuchPage;
}

// The reading process: each page asked for (its length and name) answered with its length and
// bytes, until the reader goes. chmlib and the socket only, nothing of Qt: glibc keeps malloc
// usable after a fork.
[[noreturn]] void ServePages(const ChmLibrary& chm, const char* path)
{
    chmFile* file = chm.open(path);
    if (!file)
        ::_exit(NotAHelpFile);
    std::string page;
    std::vector<unsigned char> bytes;
    for (;;) {
        std::uint32_t size = 0;
        if (!Receive(ProcessSocket, &size, sizeof size, Clock::time_point::max()) ||
            size > CHM_MAX_PATHLEN)
            ::_exit(0);
        page.resize(size);
        if (!Receive(ProcessSocket, page.data(), size, Clock::time_point::max()))
            ::_exit(0);
        const std::int64_t length = ReadPage(chm, file, page.c_str(), bytes);
        if (!Send(ProcessSocket, &length, sizeof length) ||
            !Send(ProcessSocket, bytes.data(),
                  static_cast<std::size_t>(std::max<std::int64_t>(length, 0))))
            ::_exit(0);
    }
}

} // namespace

bool HelpReader::Start()
{
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return false;
    const pid_t reader = ::getpid();
    const pid_t process = ::fork();
    if (process == 0) {
        // Its own end of the socket alone, so that it sees the reader go, and it goes with the
        // program. A fault of chmlib ends it quietly: a handler the program installed (a
        // sanitizer's, a fuzzer's) would report it as the program's, and a help file's fault is
        // no crash of the program to dump or to report.
        ::dup2(ends[1], ProcessSocket);
        ::close_range(ProcessSocket + 1, ~0U, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != reader)
            ::_exit(0);
        for (const int fault : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
            std::signal(fault, SIG_DFL);
        ::prctl(PR_SET_DUMPABLE, 0);
        ServePages(m_chm, m_file.c_str());
    }
    ::close(ends[1]);
    if (process < 0) {
        ::close(ends[0]);
        return false;
    }
    m_process = process;
    m_socket = ends[0];
    return true;
}

int HelpReader::Stop()
{
    if (m_process < 0)
        return -1;
    // Wherever it is: waiting for a page, or still going round in chmlib.
    ::kill(m_process, SIGKILL);
    int status = 0;
    while (::waitpid(m_process, &status, 0) < 0 && errno == EINTR) {
    }
    ::close(m_socket);
    m_process = -1;
    m_socket = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

HelpPage HelpReader::Read(const std::string& page)
{
    HelpPage read;
    if (page.size() > CHM_MAX_PATHLEN || (m_process < 0 && !Start()))
        return read;
    const Clock::time_point deadline = Clock::now() + HelpReadTimeout;
    const auto size = static_cast<std::uint32_t>(page.size());
    std::int64_t length = 0;
    if (Send(m_socket, &size, sizeof size) && Send(m_socket, page.data(), size) &&
        Receive(m_socket, &length, sizeof length, deadline) && length >= NoSuchPage &&
        length <= static_cast<std::int64_t>(MaxHelpPageBytes)) {
        read.html.resize(static_cast<std::size_t>(std::max<std::int64_t>(length, 0)));
        if (Receive(m_socket, read.html.data(), read.html.size(), deadline)) {
            if (length > 0 && FitsHelpWindow(read.html))
                read.status = HelpPage::Status::Read;
            else
                read.html.clear();
            return read;
        }
    }
    // No answer, or none in form: the process failed on this file.
    read.html.clear();
    if (Stop() == NotAHelpFile)
        read.status = HelpPage::Status::Unreadable;
    return read;
}

} // namespace tessuvo
