#pragma once

#include <chm_lib.h>

// The help window reads the help file through chmlib, loaded when help is first asked for and
// kept until the process ends, so that the program runs without it: the help command then
// does nothing. A failed load is not tried again.
namespace tessuvo {

struct ChmLibrary
{
    decltype(&chm_open) open;
    decltype(&chm_close) close;
    decltype(&chm_resolve_object) resolveObject;
    decltype(&chm_retrieve_object) retrieveObject;
};

// The operating system's dynamic loading, replaced by a fake in tests.
class DynamicLoader
{
public:
    virtual ~DynamicLoader() = default;
    // A handle of the loaded library, or nullptr.
    virtual void* Open(const char* name) = 0;
    // The address of `symbol` in the library, or nullptr.
    virtual void* Symbol(void* handle, const char* symbol) = 0;
};

// dlopen and dlsym.
DynamicLoader& SystemLoader();

class HelpLibrary
{
public:
    explicit HelpLibrary(DynamicLoader& loader) : m_loader(loader) {}

    // The library's entry points; nullptr when it cannot be loaded, at once after a failure.
    const ChmLibrary* Load();

private:
    DynamicLoader& m_loader;
    void* m_handle = nullptr;
    ChmLibrary m_entries{};
    bool m_resolved = false;
    bool m_failed = false;
};

// The process-wide loader of the help library.
const ChmLibrary* LoadHelpLibrary();

} // namespace tessuvo
