# Sourced by the end-to-end scripts: bounded waits, the program's windows, and failure
# reports that say what the screen and the program were doing.
# The sourcing script sets `artifacts` (a folder) and `shot` (a file name for the failure
# screenshot), starts the program with `start_program`, and may define `cleanup_more`.
set -u
pid=
program_log=$(mktemp)

# Starts the program in the background; its standard error is kept for the report.
start_program() {
  "$@" 2>>"$program_log" &
  pid=$!
}

cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; fi
  if declare -F cleanup_more >/dev/null; then cleanup_more; fi
  rm -f "$program_log"
}

wait_for() {  # wait_for TENTHS COMMAND...: polls until COMMAND succeeds
  local n=$1; shift
  for _ in $(seq "$n"); do "$@" && return 0; sleep 0.1; done
  return 1
}

# The first window of a program just started can be slow to come on a loaded machine
# (a fresh X server, the font cache read cold); once it is up, reactions are quick.
first_window_tenths=300

windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null; }
geometry() {  # geometry WINDOW: prints "X Y W H"
  xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2}/^Y=/{y=$2}/^WIDTH=/{w=$2}/^HEIGHT=/{h=$2}END{print x, y, w, h}'
}
size_of() { xdotool getwindowgeometry --shell "$1" | awk -F= '/^WIDTH=/{w=$2}/^HEIGHT=/{h=$2}END{print w "x" h}'; }

# What the report adds to a failure: whether the program still runs (or how it ended),
# every visible window with its owner and place, and the program's last words.
describe() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    echo "  the program (pid $pid) is running, waiting in $(cat /proc/"$pid"/wchan 2>/dev/null)"
    ps --ppid "$pid" -o pid=,args= 2>/dev/null | sed 's/^/  its child: /'
    if command -v gdb >/dev/null; then
      gdb -p "$pid" -batch -ex 'thread apply all bt 12' 2>/dev/null | grep '^#\|^Thread' | sed 's/^/    /'
    fi
  elif [ -n "$pid" ]; then
    wait "$pid" 2>/dev/null
    echo "  the program (pid $pid) has ended with status $?"
  fi
  local w
  for w in $([ -n "$pid" ] && xdotool search --pid "$pid" 2>/dev/null); do
    echo "  its window $w: $(xwininfo -id "$w" 2>/dev/null | sed -n 's/^ *Map State: //p'), $(geometry "$w")," \
      "$(xprop -id "$w" WM_STATE _NET_WM_STATE 2>/dev/null | tr '\n' ' ')"
  done
  for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    echo "  window $w of pid $(xdotool getwindowpid "$w" 2>/dev/null || echo '?'):" \
      "\"$(xdotool getwindowname "$w" 2>/dev/null)\" at $(geometry "$w")"
  done
  if [ -s "$program_log" ]; then
    echo "  the program's standard error ends with:"
    tail -n 5 "$program_log" | sed 's/^/    /'
  fi
}

fail() {
  echo "FAIL: $*" >&2
  describe >&2
  import -window root "$artifacts/$shot" 2>/dev/null
  cleanup
  exit 1
}
