// The one instance of the program's state.
#include "storage/settings.h"

namespace xs {

TAppData& AppData() {
    // Static storage: zero-filled before first use, and about a megabyte, too large for a stack.
    static TAppData instance{};
    return instance;
}

}  // namespace xs
