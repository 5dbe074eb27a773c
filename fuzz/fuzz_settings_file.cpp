// Any settings file: reading gives settings or a refusal, never a crash, and
// the settings read are written so that they read back the same.
#include "settings/JsonSettingsFormat.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tolvaran;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer input(&bytes);
    input.open(QIODevice::ReadOnly);
    QSettings::SettingsMap map;
    if (!readJsonSettings(input, map))
        return 0;

    QByteArray written;
    QBuffer output(&written);
    output.open(QIODevice::WriteOnly);
    if (!writeJsonSettings(output, map))
        std::abort();
    output.close();
    output.open(QIODevice::ReadOnly);
    QSettings::SettingsMap again;
    if (!readJsonSettings(output, again) || again.keys() != map.keys())
        std::abort();
    return 0;
}
