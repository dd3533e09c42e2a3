#include "profilelock.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <sys/file.h>
#include <unistd.h>

namespace tessuvo {

namespace {

struct HeldLock
{
    int fd;
    int depth;
};

// Locks this process holds, by lock file: flock() on a second descriptor of the same file would
// wait for ourselves.
std::map<std::string, HeldLock>& HeldLocks()
{
    static std::map<std::string, HeldLock> locks;
    return locks;
}

std::uint64_t Fnv1a(const std::string& text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace

std::string ProfileLockPath(const std::string& settingsPath, bool folderWritable,
                            const char* runtimeDir)
{
    const std::filesystem::path path = settingsPath;
    if (folderWritable) {
        const std::string dir = path.has_parent_path() ? path.parent_path().string() + "/" : "";
        return dir + "." + path.filename().string() + ".lock";
    }
    if (!runtimeDir || *runtimeDir != '/')
        return {};
    char name[40];
    std::snprintf(name, sizeof name, "/tessuvo-%016llx.lock",
                  static_cast<unsigned long long>(Fnv1a(settingsPath)));
    return runtimeDir + std::string(name);
}

ProfileLock::ProfileLock(const std::string& settingsPath, Mode mode)
{
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::weakly_canonical(settingsPath, ec);
    const std::string canonical = ec ? settingsPath : path.string();
    const std::string folder = path.has_parent_path() ? path.parent_path().string() : ".";
    // A lock file already beside the settings file is shared by every copy that can open it.
    const std::string beside = ProfileLockPath(canonical, true, nullptr);
    const bool besideUsable =
        ::access(folder.c_str(), W_OK) == 0 || ::access(beside.c_str(), R_OK) == 0;
    m_lockPath = ProfileLockPath(canonical, besideUsable, std::getenv("XDG_RUNTIME_DIR"));
    if (m_lockPath.empty())
        return;
    auto& locks = HeldLocks();
    if (const auto held = locks.find(m_lockPath); held != locks.end()) {
        ++held->second.depth;
        m_held = true;
        return;
    }
    int fd = ::open(m_lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) // a lock file that another user made: a lock needs no write access
        fd = ::open(m_lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return;
    int result;
    do
        result = ::flock(fd, LOCK_EX | (mode == Mode::TryOnly ? LOCK_NB : 0));
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        ::close(fd);
        return;
    }
    locks.emplace(m_lockPath, HeldLock{fd, 1});
    m_held = true;
}

ProfileLock::~ProfileLock()
{
    if (!m_held)
        return;
    auto& locks = HeldLocks();
    const auto held = locks.find(m_lockPath);
    if (--held->second.depth > 0)
        return;
    ::close(held->second.fd); // releases the lock
    locks.erase(held);
}

} // namespace tessuvo
