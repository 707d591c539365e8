#!/usr/bin/env bash
# CTest's launcher for the Windows test executables (CMAKE_CROSSCOMPILING_EMULATOR):
#   wine-run.sh PROGRAM.exe [ARGS...]
# Runs PROGRAM under Wine in the project's prefix and exits with its exit code.
# Uses the caller's DISPLAY; without one it brings up a private Xvfb for this
# run; with VISTREL_TWO_MONITORS set, on a display of two monitors of its own.
# Run on its own (not under ./build.sh test), it holds the prefix lock and
# waits for the wineserver to finish before it returns. With VISTREL_WINE_DPI
# set (144, say) the prefix's system DPI is that for the run.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../tools/wine-env.sh"

if [ $# -lt 1 ]; then
  echo "usage: wine-run.sh PROGRAM.exe [ARGS...]" >&2
  exit 2
fi

if [ -z "${VISTREL_WINE_LOCKED:-}" ]; then
  export VISTREL_WINE_RUN_OWNS_LOCK=1
  wine_env_locked "$here/wine-run.sh" "$@"
  exit $?
fi
owns_lock=${VISTREL_WINE_RUN_OWNS_LOCK:-}
unset VISTREL_WINE_RUN_OWNS_LOCK

# A run on two monitors has a display and prefix settings of its own, and
# gives both back whatever happens (see wine_env_two_monitors_start).
if [ -n "${VISTREL_TWO_MONITORS:-}" ]; then
  trap wine_env_two_monitors_stop EXIT
  wine_env_two_monitors_start || exit 1
  wine "$@"
  exit $?
fi

own_display=0
if [ -z "${DISPLAY:-}" ]; then
  wine_env_display_start || exit 1
  own_display=1
fi

rc=0
wine_env_prefix || rc=1
# VISTREL_WINE_DPI: the run at that display scale (tools/wine-env.sh).
if [ "$rc" = 0 ] && [ -n "${VISTREL_WINE_DPI:-}" ]; then
  wine_env_dpi_set "$VISTREL_WINE_DPI" || rc=1
fi
if [ "$rc" = 0 ]; then
  wine "$@"
  rc=$?
fi
if [ -n "${VISTREL_WINE_DPI:-}" ]; then
  wine_env_dpi_restore
fi

# A wineserver (and its virtual desktop) must not outlive the X display it is
# on, nor be handed to the next run holding the lock.
if [ -n "$owns_lock" ] || [ "$own_display" = 1 ]; then
  wine_env_wait
fi
if [ "$own_display" = 1 ]; then
  wine_env_display_stop
fi
exit $rc
