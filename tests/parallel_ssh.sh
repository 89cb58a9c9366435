#!/bin/sh
# The README's recipe for several machines, run for real: a throwaway sshd on 127.0.0.1, reached
# under two host names, and GNU parallel running one `clipvane-cli --machine` per file on them.
# Usage: parallel_ssh.sh CLIPVANE_CLI. Exit 77: skipped (not root, or a tool is missing).
set -u
CLI=$1
SKIP=77

# sshd drops privileges into its own separation user: only root can start it.
if [ "$(id -u)" != 0 ]; then
    echo "SKIP: sshd needs root for privilege separation (running as uid $(id -u))"
    exit $SKIP
fi
for tool in /usr/sbin/sshd ssh ssh-keygen parallel ffmpeg ffprobe; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit $SKIP
    fi
done

TMP=$(mktemp -d)
SSHD_PID=
cleanup() {
    [ -n "$SSHD_PID" ] && kill "$SSHD_PID" 2>/dev/null && wait "$SSHD_PID" 2>/dev/null
    rm -rf "$TMP"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
fail() {
    echo "FAIL: $*"
    exit 1
}

ssh-keygen -q -t ed25519 -N '' -f "$TMP/host_key" || fail "no host key"
ssh-keygen -q -t ed25519 -N '' -f "$TMP/user_key" || fail "no user key"
cp "$TMP/user_key.pub" "$TMP/authorized_keys"
mkdir -p /run/sshd # sshd's privilege separation folder, missing until the service first ran
USER_NAME=$(id -un)

# A free port: a random one, and another if sshd cannot take it (someone listens there already).
PORT=
for try in 1 2 3 4 5 6 7 8; do
    port=$((20000 + $(od -An -N2 -tu2 /dev/urandom) % 40000))
    cat >"$TMP/sshd_config" <<CONF
Port $port
ListenAddress 127.0.0.1
HostKey $TMP/host_key
AuthorizedKeysFile $TMP/authorized_keys
PidFile $TMP/sshd.pid
StrictModes no
UsePAM no
PasswordAuthentication no
KbdInteractiveAuthentication no
PubkeyAuthentication yes
PermitRootLogin yes
LogLevel ERROR
CONF
    # The second "machine" is this one under another name.
    cat >"$TMP/ssh_config" <<CONF
Host 127.0.0.1 box2
    HostName 127.0.0.1
    Port $port
    User $USER_NAME
    IdentityFile $TMP/user_key
    IdentitiesOnly yes
    BatchMode yes
    ConnectTimeout 5
    StrictHostKeyChecking no
    UserKnownHostsFile /dev/null
    LogLevel ERROR
CONF
    /usr/sbin/sshd -D -f "$TMP/sshd_config" -E "$TMP/sshd.log" &
    SSHD_PID=$!
    for wait in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30; do
        kill -0 "$SSHD_PID" 2>/dev/null || break
        if ssh -F "$TMP/ssh_config" box2 true 2>/dev/null; then
            PORT=$port
            break 2
        fi
        sleep 0.2
    done
    kill "$SSHD_PID" 2>/dev/null
    wait "$SSHD_PID" 2>/dev/null
    SSHD_PID=
done
[ -n "$PORT" ] || fail "sshd did not start or could not be reached: $(cat "$TMP/sshd.log" 2>/dev/null)"
SSH="ssh -F $TMP/ssh_config"

# Five real clips and one file no encoder can read, in the folder both machines share.
mkdir -p "$TMP/share" "$TMP/out"
for n in 1 2 3 4 5; do
    ffmpeg -v error -f lavfi -i "sine=frequency=$((300 + n * 100)):duration=2" "$TMP/share/clip $n.wav" ||
        fail "could not make clip $n"
done
echo "this is no media file" >"$TMP/share/broken.wav"
ls "$TMP/share"/*.wav >"$TMP/files.txt"

parallel --ssh "$SSH" --sshlogin "1/$USER_NAME@127.0.0.1,1/box2" --joblog "$TMP/batch.log" --tag -q \
    "$CLI" --machine --overwrite no -p "MP3 - MPEG Layer-3 Audio" -o "$TMP/out" {} \
    :::: "$TMP/files.txt" >"$TMP/batch.out" 2>"$TMP/batch.err"
STATUS=$?

echo "--- job log"
cat "$TMP/batch.log"
echo "--- reasons"
grep "	reason " "$TMP/batch.out"

[ "$STATUS" = 1 ] || fail "parallel's exit status is $STATUS, not 1 (one failed file): $(cat "$TMP/batch.err")"
# Both names ran files.
for host in "$USER_NAME@127.0.0.1" box2; do
    awk -F'\t' -v h="$host" 'NR > 1 && $2 == h { found = 1 } END { exit !found }' "$TMP/batch.log" ||
        fail "no file ran on $host"
done
# Exactly the broken file failed, with exit status 1; the five clips converted.
failed=$(awk -F'\t' 'NR > 1 && $7 != 0 { print $7 " " $NF }' "$TMP/batch.log")
case "$failed" in
*"
"*) fail "more than one file failed: $failed" ;;
"1 "*broken.wav) ;;
*) fail "the failed file is not broken.wav with status 1: $failed" ;;
esac
[ "$(awk -F'\t' 'NR > 1 && $7 == 0' "$TMP/batch.log" | wc -l)" = 5 ] || fail "not five files converted"
# Its reason is the encoder's own words, tagged with the file.
grep -q "broken.wav	reason broken.wav .*Invalid data" "$TMP/batch.out" || fail "no reason for broken.wav"
for n in 1 2 3 4 5; do
    out="$TMP/out/clip $n.mp3"
    [ -s "$out" ] || fail "no output for clip $n"
    codec=$(ffprobe -v error -show_entries stream=codec_name -of csv=p=0 "$out")
    [ "$codec" = mp3 ] || fail "clip $n is $codec, not mp3"
    duration=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$out")
    case "$duration" in 2.*|1.9*) ;; *) fail "clip $n lasts $duration s, not 2 s" ;; esac
done
[ ! -e "$TMP/out/broken.mp3" ] || fail "the broken file left an output"
echo "PASS: 6 files over 2 host names, 5 converted, broken.wav failed with its reason"
