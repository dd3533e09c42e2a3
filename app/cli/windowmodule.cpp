#include "windowmodule.h"

#include "settings/settingspath.h"

#include <cstdio>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace tessuvo {

int RunWindowModule(CommandLine& command)
{
    // The installed module, on the way from the executable's folder that the install lays
    // out; otherwise the one of the build that made the executable, wherever a copy of it
    // runs. A path rather than the run path: the sanitizers' dlopen would search the run path
    // of their own library. Never unloaded.
    std::string path = ExecutableDirectory() + TESSUVO_BIN_TO_MODULE;
    if (::access(path.c_str(), F_OK) != 0)
        path = TESSUVO_BUILT_MODULE;
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto entry =
        module ? reinterpret_cast<decltype(&TessuvoWindowMain)>(dlsym(module, "TessuvoWindowMain"))
               : nullptr;
    if (!entry) {
        std::fprintf(stderr, "tessuvo: %s\n", dlerror());
        return 1;
    }
    return entry(command);
}

} // namespace tessuvo
