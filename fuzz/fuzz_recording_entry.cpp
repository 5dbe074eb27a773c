// Any recording description: reading gives an entry or nothing, never a crash,
// and an entry read is written so that it reads back the same.
#include "recordings/RecordingEntry.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tolvaran;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<RecordingEntry> entry = decodeRecordingEntry(bytes);
    if (entry) {
        const std::optional<RecordingEntry> again = decodeRecordingEntry(encodeRecordingEntry(*entry));
        if (!again || !(*again == *entry))
            std::abort();
        (void)toDateTime(entry->date);
    }
    const std::optional<TimedTranscriptLine> line = decodeTimedTranscriptLine(bytes);
    if (line) {
        const std::optional<TimedTranscriptLine> again = decodeTimedTranscriptLine(encodeTimedTranscriptLine(*line));
        if (!again || !(*again == *line))
            std::abort();
    }
    return 0;
}
