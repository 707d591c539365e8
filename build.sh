#!/usr/bin/env bash
# ./build.sh        install what is missing, then configure and build both builds
# ./build.sh test   build, then run all tests: host unit tests, then the Windows
#                   tests under Wine (on DISPLAY or on a private Xvfb)
# ./build.sh run    build, then start Vistrel under Wine: on DISPLAY if set and
#                   wait for it to end; else on a private Xvfb with a few Wine
#                   programs open, take a screenshot and end them all;
#                   VISTREL_WINE_DPI=144 runs it on a display at 150 %
# ./build.sh bench  build, then run the benchmarks under Wine and print their
#                   figures (they never fail the run); the soak runs for
#                   VISTREL_SOAK_SECONDS (60 unless set)
# ./build.sh package  build, then name the installer build/win/Vistrel-setup.exe
#                   (NSIS; the plain build makes it too)
# ./build.sh soak [seconds]
#                   build, then only the soak under Wine (600 s unless told)
# ./build.sh fuzz [seconds]
#                   build the fuzz targets (host clang, build/fuzz) and run each
#                   for that long (30 s unless told); a crash or a sanitizer
#                   report fails the run
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
root=$PWD
jobs=2
exe=$root/build/win/Vistrel.exe
setup=$root/build/win/Vistrel-setup.exe

build() {
  tools/deps.sh
  # The host tool that makes a display of two monitors for the tests.
  (. tools/wine-env.sh && wine_env_two_monitors_tool >/dev/null)
  cmake -S . -B build/host -DCMAKE_BUILD_TYPE=Release
  cmake --build build/host -j "$jobs"
  cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release
  cmake --build build/win -j "$jobs"
}

# The unit tests once more, built with the address and undefined-behaviour
# sanitizers (build/host-asan); a report fails them. Built at -O1 to keep the
# extra build cheap.
sanitized_unit_tests() {
  cmake -S . -B build/host-asan -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS=-O1 -DVISTREL_SANITIZE=ON >/dev/null
  cmake --build build/host-asan -j "$jobs" --target unit_tests
  echo "== unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
  UBSAN_OPTIONS=print_stacktrace=1 build/host-asan/tests/unit/unit_tests --gtest_brief=1
}

# libFuzzer targets of tests/fuzz, each run for $1 seconds on a working corpus
# in build/fuzz/corpus/<target> (new inputs go there) beside the seeds kept in
# tests/fuzz/corpus/<target>. An input that crashes, breaks an invariant or
# draws a sanitizer report is kept in build/fuzz/artifacts/<target>/.
fuzz_targets=(list_dat clip_text clip_section setting_values save_naming park_record)
fuzz() {
  local seconds=${1:-30}
  tools/deps.sh
  CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVISTREL_FUZZ=ON >/dev/null
  cmake --build build/fuzz -j "$jobs" --target "${fuzz_targets[@]/#/fuzz_}"
  local rc=0 name log
  for name in "${fuzz_targets[@]}"; do
    mkdir -p "build/fuzz/corpus/$name" "build/fuzz/artifacts/$name"
    log=build/fuzz/$name.log
    if UBSAN_OPTIONS=print_stacktrace=1 "build/fuzz/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="build/fuzz/artifacts/$name/" \
        "build/fuzz/corpus/$name" "tests/fuzz/corpus/$name" >"$log" 2>&1; then
      echo "fuzz_$name: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log"), corpus $(ls "build/fuzz/corpus/$name" | wc -l) inputs, no finding"
    else
      rc=1
      echo "fuzz_$name: FAILED (log: $log)"
      grep -E 'invariant broken|runtime error|ERROR:|SUMMARY|threw|Test unit written' "$log" | head -n 20
    fi
  done
  [ "$rc" = 0 ] && echo "fuzz: ${#fuzz_targets[@]} passed, 0 failed" || echo "fuzz: some target failed" >&2
  return $rc
}

# The stages below run Wine; they are entered through wine_env_locked so that
# they hold the prefix for themselves (see tools/wine-env.sh).

wine_tests() {
  trap wine_env_display_stop EXIT
  wine_env_display_start
  wine_env_prefix
  local rc=0
  ctest --test-dir build/win --output-on-failure || rc=1
  wine_env_wait
  wine_env_display_stop
  return $rc
}

# Ends the processes we started, by their ids: SIGTERM makes Wine terminate
# the Windows process; one that is stuck gets SIGKILL after a few seconds.
end_processes() {
  local pid i
  for pid in "$@"; do kill "$pid" 2>/dev/null || true; done
  for i in $(seq 50); do
    local alive=0
    # A process that ended but is not reaped yet still answers kill -0.
    for pid in "$@"; do
      ps -o stat= -p "$pid" 2>/dev/null | grep -qv Z && alive=1
    done
    [ "$alive" = 0 ] && break
    sleep 0.1
  done
  for pid in "$@"; do kill -9 "$pid" 2>/dev/null || true; done
  for pid in "$@"; do wait "$pid" 2>/dev/null || true; done
}

# The benchmarks one after the other, each printing its own lines.
wine_bench() {
  trap wine_env_display_stop EXIT
  wine_env_display_start
  wine_env_prefix
  local name
  for name in change_tick thumbnail refresh_list auto_pass memory idle_cost auto_update screen_fallback find; do
    echo "== bench_$name"
    wine "build/win/bench/bench_$name.exe" </dev/null || echo "build.sh: bench_$name ended with an error" >&2
  done
  wine_soak "${VISTREL_SOAK_SECONDS:-60}"
  wine_env_wait
  wine_env_display_stop
}

wine_soak() {
  echo "== bench_soak ($1 s)"
  wine build/win/bench/bench_soak.exe "$1" </dev/null || echo "build.sh: bench_soak ended with an error" >&2
}

wine_soak_alone() {
  trap wine_env_display_stop EXIT
  wine_env_display_start
  wine_env_prefix
  wine_soak "$1"
  wine_env_wait
  wine_env_display_stop
}

# VISTREL_WINE_DPI=144 ./build.sh run: Vistrel on a display at 150 %.
dpi_begin() {
  if [ -n "${VISTREL_WINE_DPI:-}" ]; then wine_env_dpi_set "$VISTREL_WINE_DPI"; fi
}

run_on_display() {
  wine_env_prefix
  dpi_begin
  local rc=0
  (cd "$(dirname "$exe")" && wine "$exe") || rc=$?
  wine_env_dpi_restore
  wine_env_wait
  return $rc
}

# Process ids of what run_on_private_display started, for its exit trap.
helper_pids=()
vistrel_pid=

run_on_private_display() {
  local rc=0
  trap 'end_processes ${vistrel_pid:+"$vistrel_pid"} "${helper_pids[@]}"; wine_env_dpi_restore; wine_env_wait; wine_env_display_stop' EXIT
  wine_env_display_start
  wine_env_prefix
  dpi_begin
  # Something for Vistrel to list: a few of Wine's own programs. They are
  # started by their file, not by name: `wine notepad` goes through start.exe,
  # and the program would then run in a process that is not ours to end.
  # Notepad opens where its settings say: in the lower right, so that the
  # programs do not all lie on top of each other and each thumbnail (copied
  # from the screen under Wine) shows something of its window. Started one
  # after the other, the last one on top.
  local setting program
  for setting in "iWindowPosX 700" "iWindowPosY 560" "iWindowPosDX 560" "iWindowPosDY 400"; do
    set -- $setting
    wine reg add 'HKCU\Software\Microsoft\Notepad' /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1
  done
  for program in regedit.exe system32/taskmgr.exe system32/notepad.exe; do
    wine "$WINEPREFIX/drive_c/windows/$program" </dev/null >/dev/null 2>&1 &
    helper_pids+=($!)
    sleep 1.5
  done
  sleep 1
  (cd "$(dirname "$exe")" && exec wine "$exe" </dev/null) &
  vistrel_pid=$!
  sleep 6
  if ! kill -0 "$vistrel_pid" 2>/dev/null; then
    wait "$vistrel_pid" || rc=$?
    echo "build.sh: Vistrel.exe ended before the screenshot (exit code $rc)" >&2
    vistrel_pid=
    [ "$rc" = 0 ] && rc=1
  fi
  local shot
  shot=$(tools/screenshot.sh build/screenshots/run.png)
  echo "Screenshot: $shot"
  return $rc
}

wine_run() {
  if [ ! -f "$exe" ]; then
    echo "build.sh: $exe was not built" >&2
    return 1
  fi
  if [ -n "${DISPLAY:-}" ]; then
    run_on_display
  else
    run_on_private_display
  fi
}

case "${1:-build}" in
  build)
    build
    ;;
  test)
    build
    rc=0
    ctest --test-dir build/host --output-on-failure || rc=1
    sanitized_unit_tests || rc=1
    . tools/wine-env.sh
    wine_env_locked "$root/build.sh" __wine-tests || rc=1
    exit $rc
    ;;
  run)
    build
    . tools/wine-env.sh
    wine_env_locked "$root/build.sh" __wine-run
    ;;
  package)
    build
    if [ ! -f "$setup" ]; then
      echo "build.sh: $setup was not built (is makensis installed?)" >&2
      exit 1
    fi
    echo "Installer: $setup"
    ;;
  bench)
    build
    . tools/wine-env.sh
    wine_env_locked "$root/build.sh" __wine-bench
    ;;
  soak)
    build
    . tools/wine-env.sh
    wine_env_locked "$root/build.sh" __wine-soak "${2:-600}"
    ;;
  fuzz)
    fuzz "${2:-30}"
    ;;
  __wine-soak)
    . tools/wine-env.sh
    wine_soak_alone "$2"
    ;;
  __wine-tests)
    . tools/wine-env.sh
    wine_tests
    ;;
  __wine-bench)
    . tools/wine-env.sh
    wine_bench
    ;;
  __wine-run)
    . tools/wine-env.sh
    wine_run
    ;;
  *)
    echo "usage: ./build.sh [test|run|bench|package|soak [seconds]|fuzz [seconds]]" >&2
    exit 2
    ;;
esac
