#include "AacEncoder.h"

#include <array>
#include <vo-aacenc/cmnMemory.h>
#include <vo-aacenc/voAAC.h>

namespace tolvaran {

namespace {

constexpr std::array<int, 13> sampleRates{
    96000, 88200, 64000, 48000, 44100, 32000, 24000, 22050, 16000, 12000, 11025, 8000, 7350};
// The MPEG-4 audio object type of AAC-LC.
constexpr int lowComplexity = 2;
// An AAC-LC frame of one channel never exceeds 6144 bits.
constexpr int maxFrameBytes = 6144 / 8;

} // namespace

struct AacEncoder::Library
{
    VO_AUDIO_CODECAPI api{};
    VO_MEM_OPERATOR memory{};
    VO_HANDLE handle = nullptr;

    ~Library()
    {
        if (handle)
            api.Uninit(handle);
    }
};

std::unique_ptr<AacEncoder> AacEncoder::open(int sampleRate, int bitRate, QString* errorText)
{
    int index = 0;
    while (index < int(sampleRates.size()) && sampleRates[size_t(index)] != sampleRate)
        ++index;
    if (index == int(sampleRates.size())) {
        *errorText = QStringLiteral("AAC has no sample rate %1").arg(sampleRate);
        return nullptr;
    }

    std::unique_ptr<AacEncoder> encoder(new AacEncoder);
    encoder->m_sampleRateIndex = index;
    encoder->m_library = std::make_unique<Library>();
    Library& library = *encoder->m_library;
    if (voGetAACEncAPI(&library.api) != VO_ERR_NONE) {
        *errorText = QStringLiteral("the AAC encoder library cannot be used");
        return nullptr;
    }
    library.memory.Alloc = cmnMemAlloc;
    library.memory.Free = cmnMemFree;
    library.memory.Set = cmnMemSet;
    library.memory.Copy = cmnMemCopy;
    library.memory.Check = cmnMemCheck;
    VO_CODEC_INIT_USERDATA userData{};
    userData.memflag = VO_IMF_USERMEMOPERATOR;
    userData.memData = &library.memory;
    if (library.api.Init(&library.handle, VO_AUDIO_CodingAAC, &userData) != VO_ERR_NONE) {
        library.handle = nullptr;
        *errorText = QStringLiteral("the AAC encoder does not start");
        return nullptr;
    }
    AACENC_PARAM parameters{};
    parameters.sampleRate = sampleRate;
    parameters.bitRate = bitRate;
    parameters.nChannels = 1;
    // Raw frames: the container carries what ADTS headers would repeat.
    parameters.adtsUsed = 0;
    if (library.api.SetParam(library.handle, VO_PID_AAC_ENCPARAM, &parameters) != VO_ERR_NONE) {
        *errorText = QStringLiteral("the AAC encoder refuses %1 Hz at %2 bit/s").arg(sampleRate).arg(bitRate);
        return nullptr;
    }
    encoder->m_output.resize(maxFrameBytes);
    return encoder;
}

AacEncoder::~AacEncoder() = default;

std::optional<QByteArrayView> AacEncoder::encode(const int16_t* frame)
{
    VO_CODECBUFFER input{};
    // The library reads the samples and never writes them.
    input.Buffer = reinterpret_cast<VO_PBYTE>(const_cast<int16_t*>(frame));
    input.Length = frameSamples * sizeof(int16_t);
    if (m_library->api.SetInputData(m_library->handle, &input) != VO_ERR_NONE)
        return std::nullopt;
    VO_CODECBUFFER output{};
    output.Buffer = reinterpret_cast<VO_PBYTE>(m_output.data());
    output.Length = VO_U32(m_output.size());
    VO_AUDIO_OUTPUTINFO info{};
    if (m_library->api.GetOutputData(m_library->handle, &output, &info) != VO_ERR_NONE
        || output.Length > VO_U32(m_output.size()))
        return std::nullopt;
    return QByteArrayView(m_output.constData(), qsizetype(output.Length));
}

QByteArray AacEncoder::audioSpecificConfig() const
{
    // object type (5 bits), sample rate index (4), channel configuration (4),
    // three zero flags
    const int bits = (lowComplexity << 11) | (m_sampleRateIndex << 7) | (1 << 3);
    const char bytes[] = {char(bits >> 8), char(bits & 0xFF)};
    return QByteArray(bytes, sizeof bytes);
}

} // namespace tolvaran
