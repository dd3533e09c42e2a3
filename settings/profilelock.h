#pragma once

#include <string>

namespace tessuvo {

// An advisory lock that keeps two running copies from interleaving their read-modify-write of
// one settings file. It locks a separate lock file that stays in place, since a lock on the
// settings file itself would be lost when a write renames a new file over it: ".<name>.lock"
// beside the settings file, or, where that folder cannot be written, a file in
// $XDG_RUNTIME_DIR named after the settings path. Nested locks of one file in one process
// share the first one. Without any place for a lock file the work goes on unlocked.
class ProfileLock final
{
public:
    enum class Mode
    {
        Wait,
        TryOnly,
    };
    explicit ProfileLock(const std::string& settingsPath, Mode mode = Mode::Wait);
    ~ProfileLock();
    ProfileLock(const ProfileLock&) = delete;
    ProfileLock& operator=(const ProfileLock&) = delete;

    // True when this process holds the lock (a TryOnly lock may not get it).
    bool Held() const { return m_held; }

private:
    std::string m_lockPath;
    bool m_held = false;
};

// Where the lock of `settingsPath` lives: beside it when its folder is writable, otherwise in
// `runtimeDir` (empty when there is no such place).
std::string ProfileLockPath(const std::string& settingsPath, bool folderWritable,
                            const char* runtimeDir);

} // namespace tessuvo
