#pragma once

namespace tessuvo::res {

// The string resource with this id, or an empty text.
const char* LoadStringResource(int id);

} // namespace tessuvo::res
