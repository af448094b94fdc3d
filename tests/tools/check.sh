#!/usr/bin/env bash
# Runs the bacnapi tool as a user would and checks what it did.
#   check.sh [options] -- TOOL ARGS...
# Options:
#   --exit N            expected exit status (default 0)
#   --stdin FILE        standard input from FILE (default: empty)
#   --stdin-cmd CMD     standard input from the output of the shell command CMD
#   --out FILE          standard output must equal FILE (default: must be empty)
#   --out-text TEXT     standard output must equal TEXT and a newline
#   --out-contains TEXT standard output must contain TEXT (instead of an exact check)
#   --err FILE          standard error must equal FILE (default: must be empty)
#   --err-text TEXT     standard error must equal TEXT and a newline
#   --err-any           standard error is not checked
#   --close-stdout      run with standard output closed
#   --decode            the tool's arguments are decoded as printf %b does (for bytes such as \xFF)
#   --tty               run on a pseudo-terminal (standard output and error are both the terminal);
#                       the combined output is then checked with --out-contains
# Runs in the directory of this script, so input names in messages are stable.
set -u
cd "$(dirname "$0")"
exit_expected=0 stdin=/dev/null stdin_cmd="" out="" out_text="" out_set=0 contains="" err="" err_text="" err_set=0
err_any=0 close_stdout=0 tty=0 decode=0
while [ $# -gt 0 ]; do
  case "$1" in
    --exit) exit_expected=$2; shift 2 ;;
    --stdin) stdin=$2; shift 2 ;;
    --stdin-cmd) stdin_cmd=$2; shift 2 ;;
    --out) out=$2; out_set=1; shift 2 ;;
    --out-text) out_text=$2; out_set=2; shift 2 ;;
    --out-contains) contains=$2; shift 2 ;;
    --err) err=$2; err_set=1; shift 2 ;;
    --err-text) err_text=$2; err_set=2; shift 2 ;;
    --err-any) err_any=1; shift ;;
    --close-stdout) close_stdout=1; shift ;;
    --tty) tty=1; shift ;;
    --decode) decode=1; shift ;;
    --) shift; break ;;
    *) echo "check.sh: unknown option $1" >&2; exit 2 ;;
  esac
done
if [ $decode -eq 1 ]; then
  decoded=("$1"); shift
  for a in "$@"; do decoded+=("$(printf '%b' "$a")"); done
  set -- "${decoded[@]}"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -n "$stdin_cmd" ]; then
  bash -c "$stdin_cmd" > "$work/stdin" || { echo "check.sh: input command failed" >&2; exit 2; }
  stdin="$work/stdin"
fi
if [ $tty -eq 1 ]; then
  cmd=$(printf '%q ' "$@")
  script -qec "$cmd < $(printf '%q' "$stdin")" /dev/null > "$work/out" 2>&1
  status=$?
  : > "$work/err"
elif [ $close_stdout -eq 1 ]; then
  "$@" < "$stdin" >&- 2> "$work/err"
  status=$?
  : > "$work/out"
else
  "$@" < "$stdin" > "$work/out" 2> "$work/err"
  status=$?
fi
fail=0
if [ "$status" -ne "$exit_expected" ]; then
  echo "exit status $status, expected $exit_expected"; fail=1
fi
compare() { # what, actual file, expected file
  if ! cmp -s "$2" "$3"; then
    echo "$1 differs (expected, then actual):"; diff "$3" "$2" | head -40; fail=1
  fi
}
if [ -n "$contains" ]; then
  grep -qF -- "$contains" "$work/out" || { echo "output lacks: $contains"; head -c 2000 "$work/out"; fail=1; }
else
  case $out_set in
    0) : > "$work/expected_out" ;;
    1) cp "$out" "$work/expected_out" ;;
    2) printf '%s\n' "$out_text" > "$work/expected_out" ;;
  esac
  compare "standard output" "$work/out" "$work/expected_out"
fi
if [ $err_any -eq 0 ]; then
  case $err_set in
    0) : > "$work/expected_err" ;;
    1) cp "$err" "$work/expected_err" ;;
    2) printf '%s\n' "$err_text" > "$work/expected_err" ;;
  esac
  compare "standard error" "$work/err" "$work/expected_err"
fi
exit $fail
