#pragma once

namespace tolvaran {

// Assigns and tells whether anything changed, so that a setter notifies only
// on a change.
template<typename T>
bool assign(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace tolvaran
