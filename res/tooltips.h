#pragma once

namespace tessuvo::res {

// The fixed tooltip of icon button `id` in dialog `dialogId`, which is also the button's
// accessible name; nullptr for any other control.
const char* ButtonToolTip(int dialogId, int id);

} // namespace tessuvo::res
