// Qt Multimedia as a media module: the default engine's video player, the recorder and the
// interface sounds. Qt Multimedia and what it brings (GStreamer, the network module, the audio
// codecs of its sound files) are read when the first video, recording or sound needs them.
#include "platform/MediaModuleApi.h"
#include "platform/qtmedia/QtMediaPlayer.h"
#include "platform/qtmedia/QtRecorder.h"
#include "platform/qtmedia/QtSoundPlayer.h"
#include "platform/qtmedia/VideoFrameView.h"

namespace {

ports::MediaPlayer* createPlayer() {
    return new platform::QtMediaPlayer();
}

// What video lessons need is looked at by the engines (files only, no loading).
void check(ports::MediaEngines::Missing* /*missing*/) {
}

ports::Recorder* createRecorder(ports::MediaPlayer* playback) {
    return new platform::QtRecorder(std::unique_ptr<ports::MediaPlayer>(playback));
}

ports::SoundPlayer* createSoundPlayer() {
    return new platform::QtSoundPlayer();
}

QWidget* createVideoWidget(QWidget* parent) {
    return new platform::VideoFrameView(parent);
}

const platform::MediaModuleApi table{platform::MediaModuleApi::currentVersion,
                                     &createPlayer,
                                     &check,
                                     &createRecorder,
                                     &createSoundPlayer,
                                     &createVideoWidget};

} // namespace

TRAINERS_MEDIA_MODULE(table)
