# Steps shared by the developer programs' tests on a real display: sourced by
# each test script, which drives its program with xdotool afterwards.

# Without a display or the tools the test is skipped (77), or fails under CI.
needs_display() {
  missing=""
  for tool in xdotool xwd xwdtopnm pnmtopng; do command -v $tool >/dev/null 2>&1 || missing="$missing $tool"; done
  if [ -z "${DISPLAY:-}" ] || [ -n "$missing" ]; then
    echo "needs a display and:$missing"
    [ "${CI:-}" = "true" ] && exit 1
    exit 77
  fi
}

# start_window TITLE PROGRAM ARGS...: starts the program, ended when the script
# ends, and sets win to its window once one titled TITLE appears.
start_window() {
  title=$1
  shift
  "$@" &
  pid=$!
  trap 'kill $pid 2>/dev/null' EXIT
  win=""
  for i in $(seq 100); do
    win=$(xdotool search --name "$title" 2>/dev/null | head -1)
    [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "$win" ] || { echo "the window \"$title\" did not appear"; exit 1; }
  sleep 0.5
}

# grab_window FILE: the window's picture as PNG.
grab_window() { xwd -id "$win" -silent | xwdtopnm 2>/dev/null | pnmtopng > "$1"; }

# wait_until SECONDS COMMAND...: runs COMMAND every tenth of a second until it
# succeeds or SECONDS have passed; fails in the second case. Timers that show a
# hint or a balloon fire late on a loaded machine, so tests wait for the effect
# instead of sleeping a fixed time.
wait_until() {
  limit=$(( $1 * 10 ))
  shift
  i=0
  until "$@"; do
    i=$(( i + 1 ))
    [ "$i" -ge "$limit" ] && return 1
    sleep 0.1
  done
}
