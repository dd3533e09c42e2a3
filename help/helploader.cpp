#include "helploader.h"

#include <dlfcn.h>

namespace tessuvo {

namespace {

// The versioned name first, which needs no development package; then the plain one.
constexpr const char* LibraryNames[] = {"libchm.so.1", "libchm.so"};

class SystemDynamicLoader final : public DynamicLoader
{
public:
    void* Open(const char* name) override { return ::dlopen(name, RTLD_NOW | RTLD_LOCAL); }
    void* Symbol(void* handle, const char* symbol) override { return ::dlsym(handle, symbol); }
};

template <class Function>
bool Resolve(DynamicLoader& loader, void* handle, const char* symbol, Function& entry)
{
    entry = reinterpret_cast<Function>(loader.Symbol(handle, symbol));
    return entry != nullptr;
}

} // namespace

DynamicLoader& SystemLoader()
{
    static SystemDynamicLoader loader;
    return loader;
}

const ChmLibrary* HelpLibrary::Load()
{
    if (!m_handle && !m_failed) {
        for (const char* name : LibraryNames) {
            if ((m_handle = m_loader.Open(name)))
                break;
        }
        if (!m_handle) {
            m_failed = true;
            return nullptr;
        }
    }
    if (!m_resolved && !m_failed) {
        m_resolved = Resolve(m_loader, m_handle, "chm_open", m_entries.open) &&
                     Resolve(m_loader, m_handle, "chm_close", m_entries.close) &&
                     Resolve(m_loader, m_handle, "chm_resolve_object", m_entries.resolveObject) &&
                     Resolve(m_loader, m_handle, "chm_retrieve_object", m_entries.retrieveObject);
        m_failed = !m_resolved;
    }
    return m_resolved ? &m_entries : nullptr;
}

const ChmLibrary* LoadHelpLibrary()
{
    static HelpLibrary library(SystemLoader());
    return library.Load();
}

} // namespace tessuvo
