#include "windowmodule.h"

#include <cstdio>
#include <dlfcn.h>

namespace tessuvo {

int RunWindowModule(CommandLine& command)
{
    // Found through the executable's run path: beside it in the build folder, in the
    // program's own folder of the library directory once installed. Never unloaded.
    void* module = dlopen(TESSUVO_WINDOW_MODULE, RTLD_NOW | RTLD_LOCAL);
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
