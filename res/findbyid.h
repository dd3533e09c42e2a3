#pragma once

namespace tessuvo::res {

// The entry of a resource table with this id, or nullptr.
template <class T, auto N> const T* FindById(const T (&table)[N], int id)
{
    for (const T& entry : table) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

} // namespace tessuvo::res
