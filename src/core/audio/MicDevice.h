#pragma once

#include <QHashFunctions>
#include <QString>

namespace tolvaran {

// A microphone: id is the sound server's source name, name its description.
struct MicDevice
{
    QString id;
    QString name;

    bool operator==(const MicDevice&) const = default;
};

inline size_t qHash(const MicDevice& device, size_t seed = 0)
{
    return qHashMulti(seed, device.id, device.name);
}

} // namespace tolvaran
