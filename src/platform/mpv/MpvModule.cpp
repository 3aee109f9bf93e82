// The backup engine (libmpv) as a media module: libmpv and the many libraries it needs are read
// only when the backup engine is first used.
#include "platform/MediaModuleApi.h"
#include "platform/mpv/MpvMediaPlayer.h"

namespace {

ports::MediaPlayer* createPlayer() {
    return new platform::MpvMediaPlayer();
}

// Loaded is all it needs: libmpv finds its own outputs.
void check(ports::MediaEngines::Missing* /*missing*/) {
}

const platform::MediaModuleApi table{
    platform::MediaModuleApi::currentVersion, &createPlayer, &check, nullptr, nullptr, nullptr};

} // namespace

TRAINERS_MEDIA_MODULE(table)
