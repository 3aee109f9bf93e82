# Sourced by the test and screenshot scripts: a PulseAudio null sink when no sound server runs.
# The sink's monitor is remapped as the default microphone, so what a test plays can be recorded,
# and `parec -d @DEFAULT_MONITOR@` captures exactly what a listener would have heard.
# The daemon runs in a private runtime folder and is stopped by its own process id.
headless_audio_started=0
headless_audio_pid=
headless_audio_runtime=

headless_audio_start() {
    if ! command -v pulseaudio >/dev/null 2>&1 || ! command -v pactl >/dev/null 2>&1; then
        echo "headless-audio: pulseaudio/pactl not installed; media tests will be skipped" >&2
        return 0
    fi
    if pactl info >/dev/null 2>&1; then
        return 0
    fi
    headless_audio_runtime=$(mktemp -d /tmp/trainers-runtime.XXXXXX)
    chmod 700 "$headless_audio_runtime"
    export XDG_RUNTIME_DIR=$headless_audio_runtime
    export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
    # --system=false and no idle exit: as root the daemon otherwise refuses or leaves early.
    pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit --system=false \
        --disable-shm=yes -n --use-pid-file=yes \
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
        headless_audio_pid=$(cat "$XDG_RUNTIME_DIR/pulse/pid" 2>/dev/null || true)
        headless_audio_started=1
    else
        echo "headless-audio: no sound server could be started; media tests will be skipped" >&2
        unset PULSE_SERVER
        rm -rf "$headless_audio_runtime"
    fi
}

headless_audio_stop() {
    if [ "$headless_audio_started" != 1 ]; then
        return 0
    fi
    if [ -n "$headless_audio_pid" ]; then
        kill "$headless_audio_pid" >/dev/null 2>&1 || true
        for _ in $(seq 1 30); do
            kill -0 "$headless_audio_pid" >/dev/null 2>&1 || break
            sleep 0.1
        done
    fi
    rm -rf "$headless_audio_runtime"
    headless_audio_started=0
}
