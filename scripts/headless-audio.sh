# Sourced by the test and screenshot scripts: a PulseAudio null sink when no sound server runs.
# The sink's monitor is remapped as the default microphone, so what a test plays can be recorded.
headless_audio_started=0

headless_audio_start() {
    if ! command -v pulseaudio >/dev/null 2>&1; then
        return 0
    fi
    if pactl info >/dev/null 2>&1; then
        return 0
    fi
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/trainers-runtime.XXXXXX)}
    chmod 700 "$XDG_RUNTIME_DIR"
    pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit --system=false \
        --disable-shm=yes -n \
        --load="module-null-sink sink_name=trainers_sink sink_properties=device.description=TrainersSink norewinds=1" \
        --load="module-remap-source source_name=trainers_mic master=trainers_sink.monitor source_properties=device.description=TrainersMic" \
        --load="module-native-protocol-unix" \
        --load="module-always-sink" >/dev/null 2>&1 || true
    for _ in $(seq 1 50); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    if pactl info >/dev/null 2>&1; then
        pactl set-default-sink trainers_sink >/dev/null 2>&1 || true
        pactl set-default-source trainers_mic >/dev/null 2>&1 || true
        headless_audio_started=1
        export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
    else
        echo "headless-audio: no sound server could be started; media tests will be skipped" >&2
    fi
}

headless_audio_stop() {
    if [ "$headless_audio_started" = 1 ]; then
        pulseaudio --kill >/dev/null 2>&1 || true
        headless_audio_started=0
    fi
}
