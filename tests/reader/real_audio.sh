#!/usr/bin/env bash
# Runs the real-audio checks of a test binary against a private PulseAudio daemon with a null sink.
# Without pulseaudio the checks skip themselves.
set -u
test_binary=$1
if ! command -v pulseaudio >/dev/null; then
    exec "$test_binary" --gtest_filter='RealAudio*'
fi
dir=$(mktemp -d)
mkdir -p "$dir/run" "$dir/state"
export HOME=$dir XDG_RUNTIME_DIR=$dir/run PULSE_RUNTIME_PATH=$dir/run PULSE_STATE_PATH=$dir/state
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes \
    --load="module-null-sink sink_name=null" \
    --load="module-native-protocol-unix socket=$dir/native auth-anonymous=1" >"$dir/log" 2>&1 &
daemon=$!
export PULSE_SERVER=unix:$dir/native
for _ in $(seq 100); do
    [ -S "$dir/native" ] && break
    sleep 0.1
done
"$test_binary" --gtest_filter='RealAudio*'
status=$?
kill "$daemon" 2>/dev/null
wait "$daemon" 2>/dev/null
rm -rf "$dir"
exit $status
