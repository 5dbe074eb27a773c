#pragma once

#include <QFile>
#include <QString>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <memory>

namespace tolvaran::test {

// What a file holds, found by demuxing and decoding every packet of its first
// audio stream. ok is false when the file cannot be opened or a packet does
// not decode.
struct DecodedAudio
{
    bool ok = false;
    QString error;
    QString codecName;
    int sampleRate = 0;
    int channels = 0;
    qint64 samples = 0;
    qint64 packetBytes = 0;
    // The first channel, as the decoder gives it (AAC decodes to float).
    QList<float> firstChannel;

    double duration() const { return sampleRate > 0 ? double(samples) / sampleRate : 0; }

    double bitRate() const { return duration() > 0 ? double(packetBytes) * 8 / duration() : 0; }

    static DecodedAudio of(const QString& path)
    {
        DecodedAudio result;
        const auto fail = [&result](const char* what, int error) {
            char text[AV_ERROR_MAX_STRING_SIZE] = {};
            av_strerror(error, text, sizeof text);
            result.ok = false;
            result.error = QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromUtf8(text));
            return result;
        };

        AVFormatContext* rawFormat = nullptr;
        const QByteArray url = "file:" + QFile::encodeName(path);
        int error = avformat_open_input(&rawFormat, url.constData(), nullptr, nullptr);
        if (error < 0)
            return fail("open", error);
        const std::unique_ptr<AVFormatContext*, void (*)(AVFormatContext**)> format(
            new AVFormatContext*(rawFormat), [](AVFormatContext** f) {
                avformat_close_input(f);
                delete f;
            });
        if ((error = avformat_find_stream_info(rawFormat, nullptr)) < 0)
            return fail("stream info", error);
        const AVCodec* decoderCodec = nullptr;
        const int streamIndex = av_find_best_stream(rawFormat, AVMEDIA_TYPE_AUDIO, -1, -1, &decoderCodec, 0);
        if (streamIndex < 0 || !decoderCodec)
            return fail("no audio stream", streamIndex);
        const AVCodecParameters* parameters = rawFormat->streams[streamIndex]->codecpar;
        result.codecName = QString::fromLatin1(avcodec_get_name(parameters->codec_id));
        result.sampleRate = parameters->sample_rate;
        result.channels = parameters->ch_layout.nb_channels;

        const std::unique_ptr<AVCodecContext, void (*)(AVCodecContext*)> decoder(
            avcodec_alloc_context3(decoderCodec), [](AVCodecContext* c) { avcodec_free_context(&c); });
        const std::unique_ptr<AVPacket, void (*)(AVPacket*)> packet(
            av_packet_alloc(), [](AVPacket* p) { av_packet_free(&p); });
        const std::unique_ptr<AVFrame, void (*)(AVFrame*)> frame(
            av_frame_alloc(), [](AVFrame* f) { av_frame_free(&f); });
        if ((error = avcodec_parameters_to_context(decoder.get(), parameters)) < 0)
            return fail("parameters", error);
        if ((error = avcodec_open2(decoder.get(), decoderCodec, nullptr)) < 0)
            return fail("decoder", error);

        const auto receive = [&]() {
            int received = 0;
            while ((received = avcodec_receive_frame(decoder.get(), frame.get())) >= 0) {
                result.samples += frame->nb_samples;
                if (frame->format == AV_SAMPLE_FMT_FLTP || frame->format == AV_SAMPLE_FMT_FLT) {
                    const auto* first = reinterpret_cast<const float*>(frame->extended_data[0]);
                    const int step = frame->format == AV_SAMPLE_FMT_FLT ? frame->ch_layout.nb_channels : 1;
                    for (int i = 0; i < frame->nb_samples; ++i)
                        result.firstChannel.append(first[i * step]);
                }
                av_frame_unref(frame.get());
            }
            return received == AVERROR(EAGAIN) || received == AVERROR_EOF ? 0 : received;
        };
        while ((error = av_read_frame(rawFormat, packet.get())) >= 0) {
            if (packet->stream_index == streamIndex) {
                result.packetBytes += packet->size;
                error = avcodec_send_packet(decoder.get(), packet.get());
                if (error >= 0)
                    error = receive();
            }
            av_packet_unref(packet.get());
            if (error < 0)
                return fail("decode", error);
        }
        if (error != AVERROR_EOF)
            return fail("read", error);
        if ((error = avcodec_send_packet(decoder.get(), nullptr)) < 0 || (error = receive()) < 0)
            return fail("flush", error);
        result.ok = true;
        return result;
    }
};

} // namespace tolvaran::test
