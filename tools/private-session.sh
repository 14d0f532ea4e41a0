# Sourced by the scripts that run the real program: a private X server, and a private
# PulseAudio daemon whose default sink is a null sink (nothing is heard; it runs in real
# time like a sound card). Nothing of the user's own session is touched.
#   start_private_x WORK [Xvfb options...]     sets DISPLAY
#   start_private_pulse WORK SINK              sets the PULSE_* variables and HOME
#   stop_private_session                       ends both
# WORK is a folder of the caller's that both keep their state in.

private_xvfb_pid=""
private_pulse_dir=""

start_private_x() {
    # -noreset: otherwise the server resets whenever its last client leaves and refuses
    # connections meanwhile.
    local work="$1"
    shift
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset "$@" 3>"$work/display" \
        2>"$work/xvfb.log" &
    private_xvfb_pid=$!
    for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
    [[ -s "$work/display" ]] || { echo "no X server could be started" >&2; return 1; }
    export DISPLAY=":$(cat "$work/display")"
}

start_private_pulse() {
    local work="$1" sink="$2"
    private_pulse_dir="$work/pulse"
    mkdir -p -m 700 "$private_pulse_dir" "$work/home"
    export XDG_RUNTIME_DIR="$work" PULSE_RUNTIME_PATH="$private_pulse_dir"
    export PULSE_STATE_PATH="$work/pulse-state" HOME="$work/home"
    export PULSE_SERVER="unix:$private_pulse_dir/native"
    pulseaudio -D -n --exit-idle-time=-1 --system=false --disallow-exit \
        --log-target="file:$work/pulseaudio.log" \
        --load="module-native-protocol-unix auth-anonymous=1" \
        --load="module-null-sink sink_name=$sink rate=44100 channels=2"
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl set-default-sink "$sink"
}

stop_private_session() {
    if [[ -n "$private_pulse_dir" && -f "$private_pulse_dir/pid" ]]; then
        kill "$(cat "$private_pulse_dir/pid")" 2>/dev/null || true
    fi
    if [[ -n "$private_xvfb_pid" ]]; then kill "$private_xvfb_pid" 2>/dev/null || true; fi
    private_xvfb_pid="" private_pulse_dir=""
}
