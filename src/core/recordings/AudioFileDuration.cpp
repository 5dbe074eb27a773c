#include "AudioFileDuration.h"

#include <QFile>

#include <memory>

extern "C" {
#include <libavformat/avformat.h>
}

namespace tolvaran {

namespace {

struct InputDeleter
{
    void operator()(AVFormatContext* format) const { avformat_close_input(&format); }
};

struct PacketDeleter
{
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};

} // namespace

double audioFileDuration(const QString& path)
{
    AVFormatContext* opened = nullptr;
    if (avformat_open_input(&opened, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return 0;
    std::unique_ptr<AVFormatContext, InputDeleter> format(opened);
    if (avformat_find_stream_info(format.get(), nullptr) < 0)
        return 0;
    const int streamIndex = av_find_best_stream(format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (streamIndex < 0)
        return 0;
    const AVRational timeBase = format->streams[streamIndex]->time_base;

    std::unique_ptr<AVPacket, PacketDeleter> packet(av_packet_alloc());
    if (!packet)
        return 0;
    int64_t end = 0;
    // Packets carry their own times; the last one's end is the length.
    while (av_read_frame(format.get(), packet.get()) >= 0) {
        if (packet->stream_index == streamIndex && packet->pts != AV_NOPTS_VALUE)
            end = std::max(end, packet->pts + packet->duration);
        av_packet_unref(packet.get());
    }
    return end > 0 ? double(end) * av_q2d(timeBase) : 0;
}

} // namespace tolvaran
