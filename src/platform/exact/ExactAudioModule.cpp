// The default engine's exact audio player as a media module: FFmpeg's, SoundTouch's and the
// sound server's libraries are read only when an audio lesson is first opened.
#include "platform/MediaModuleApi.h"
#include "platform/exact/ExactAudioPlayer.h"
#include "platform/exact/PulseOutput.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

ports::MediaPlayer* createPlayer() {
    return new platform::ExactAudioPlayer();
}

// Quick enough for every click on the engine: a decoder look-up and a connection.
void check(ports::MediaEngines::Missing* missing) {
    if (avcodec_find_decoder(AV_CODEC_ID_MP3) == nullptr ||
        avcodec_find_decoder(AV_CODEC_ID_PCM_S16LE) == nullptr) {
        platform::appendMissing(missing, QStringLiteral("FFmpeg 音频解码库"),
                                {QStringLiteral("libavcodec59"), QStringLiteral("libavformat59")});
    }
    if (!platform::PulseOutput::serverReachable()) {
        platform::appendMissing(
            missing, QStringLiteral("声音服务（PulseAudio，或 PipeWire 的 PulseAudio 接口）"),
            {QStringLiteral("pulseaudio")});
    }
}

const platform::MediaModuleApi table{
    platform::MediaModuleApi::currentVersion, &createPlayer, &check, nullptr, nullptr, nullptr};

} // namespace

TRAINERS_MEDIA_MODULE(table)
