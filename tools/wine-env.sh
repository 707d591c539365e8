# Wine environment of the project. Source it (bash): `. tools/wine-env.sh`.
#
# Everything Vistrel runs under Wine uses one prefix, build/wineprefix, made
# under the Japanese locale so that the ANSI code page is 932 and the IPA fonts
# stand in for the Japanese system fonts. All windows live in a Wine virtual
# desktop: without a window manager, hiding a top-level window costs Wine two
# seconds, and frames, minimising and activation would differ from run to run.
#
# Functions:
#   wine_env_display_start [WxH [XVFB OPTION...]]
#                           start a private Xvfb (1280x1024 unless told) if
#                           DISPLAY is empty
#   wine_env_display_stop   stop the Xvfb that wine_env_display_start started
#   wine_env_prefix         create and configure the prefix (once)
#   wine_env_wait           wait until the prefix's wineserver has exited
#   wine_env_locked CMD...  run CMD holding the prefix's lock (see below)
#   wine_env_two_monitors_start, wine_env_two_monitors_stop
#                           a display of two monitors and the prefix set for
#                           it, for one run (see below)
#   wine_env_two_monitors_tool  build tools/TwoMonitors.c (once) and name it
#   wine_env_dpi_set DPI    the prefix's system DPI (LogPixels), until
#   wine_env_dpi_restore    puts back what wine_env_dpi_set found

_wine_env_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

export WINEPREFIX="$_wine_env_root/build/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
# No Mono or Gecko download prompts during wineboot, and no desktop entries or
# menu items written into the host's home folder.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Bump when the prefix settings below change: a prefix with an older stamp is
# configured again (not recreated).
_wine_env_setup_version=4
_wine_env_xvfb_pid=${_wine_env_xvfb_pid:-}

wine_env_display_start() {
  [ -n "${DISPLAY:-}" ] && return 0
  local geometry=${1:-1280x1024}
  [ $# -gt 0 ] && shift
  local n i log
  log=$(mktemp)
  # Numbers from 100 up, clear of the low ones people and tools start by hand.
  # Two runs may pick the same free number at once: the loser's Xvfb exits at
  # once, and it tries the next. -s 0: no screen saver, which would blank
  # screenshots of long runs.
  for n in $(seq 100 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "${geometry}x24" -s 0 -nolisten tcp "$@" </dev/null >"$log" 2>&1 &
    _wine_env_xvfb_pid=$!
    for i in $(seq 100); do
      kill -0 "$_wine_env_xvfb_pid" 2>/dev/null || break
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        rm -f "$log"
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    kill "$_wine_env_xvfb_pid" 2>/dev/null || true
    wait "$_wine_env_xvfb_pid" 2>/dev/null || true
    _wine_env_xvfb_pid=
  done
  echo "wine-env: could not start Xvfb:" >&2
  cat "$log" >&2
  rm -f "$log"
  return 1
}

wine_env_display_stop() {
  [ -n "$_wine_env_xvfb_pid" ] || return 0
  kill "$_wine_env_xvfb_pid" 2>/dev/null || true
  wait "$_wine_env_xvfb_pid" 2>/dev/null || true
  _wine_env_xvfb_pid=
  unset DISPLAY
  return 0
}

wine_env_wait() {
  wineserver -w
}

# Writes a .reg file as regedit writes it (UTF-16 with a byte order mark), so
# the Japanese value names reach the registry whatever the current code page.
_wine_env_write_reg() {
  {
    printf '\xff\xfe'
    sed 's/$/\r/' <<'EOF' | iconv -f UTF-8 -t UTF-16LE
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x1024"

; As Wine has them; wine_env_two_monitors_start changes them for one run.
[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="Y"
"UseXRandR"="Y"

; A crashing program ends with its report on stderr: no dialog waits for
; a click on a display nobody watches.
[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐ明朝"="IPAPMincho"
"ＭＳ 明朝"="IPAMincho"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAPGothic"
"MS PMincho"="IPAPMincho"
"MS Mincho"="IPAMincho"
EOF
  } >"$1"
}

wine_env_prefix() {
  local stamp="$WINEPREFIX/.vistrel-setup"
  if [ "$(cat "$stamp" 2>/dev/null)" = "$_wine_env_setup_version" ]; then
    return 0
  fi
  local own_display=0 rc=0
  if [ -z "${DISPLAY:-}" ]; then
    wine_env_display_start || return 1
    own_display=1
  fi
  _wine_env_setup_prefix || rc=$?
  if [ "$own_display" = 1 ]; then wine_env_display_stop; fi
  return $rc
}

_wine_env_setup_prefix() {
  local stamp="$WINEPREFIX/.vistrel-setup"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-env: creating the Wine prefix $WINEPREFIX (a minute or two)" >&2
    mkdir -p "$WINEPREFIX"
    wine wineboot -i >/dev/null 2>&1 || { echo "wine-env: wineboot failed" >&2; return 1; }
    wineserver -w
  fi
  echo "wine-env: configuring the Wine prefix" >&2
  # Debian's Wine does not load the fonts of its fonts-wine package by itself;
  # without Marlett every caption button shows a letter instead of its glyph.
  if [ -d /usr/share/wine/fonts ]; then
    cp -u /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  local reg="$WINEPREFIX/drive_c/vistrel-setup.reg"
  _wine_env_write_reg "$reg"
  wine reg import 'C:\vistrel-setup.reg' >/dev/null 2>&1 \
    || { echo "wine-env: importing the prefix settings failed" >&2; return 1; }
  rm -f "$reg"
  # The whole program's texts rely on this: a prefix made or run under another
  # locale gives another ANSI code page and garbles every Japanese string.
  local acp
  acp=$(wine reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP 2>/dev/null | tr -d '\r' | awk '$1 == "ACP" { print $3 }')
  wineserver -w
  if [ "$acp" != 932 ]; then
    echo "wine-env: the prefix's ANSI code page is '${acp}', not 932 (is the ja_JP.UTF-8 locale installed?)" >&2
    return 1
  fi
  echo "$_wine_env_setup_version" >"$stamp"
}

# Runs CMD (a program, not a shell function) holding an exclusive lock on the
# prefix, so that two test runs never share one wineserver: its virtual
# desktop belongs to the X display of whoever started it first, and e2e tests
# prepare and clear the same registry keys. Nested calls (VISTREL_WINE_LOCKED
# set by an outer one) run CMD directly. The lock file descriptor is closed in
# CMD (-o), so that a wineserver or Xvfb started below does not keep it.
wine_env_locked() {
  if [ -n "${VISTREL_WINE_LOCKED:-}" ]; then
    "$@"
    return
  fi
  local lock="$WINEPREFIX.lock" rc=0
  mkdir -p "$(dirname "$lock")"
  VISTREL_WINE_LOCKED=1 flock -n -E 200 -o "$lock" "$@" || rc=$?
  if [ "$rc" = 200 ]; then
    echo "wine-env: waiting for another run in $WINEPREFIX to finish" >&2
    rc=0
    VISTREL_WINE_LOCKED=1 flock -o "$lock" "$@" || rc=$?
  fi
  return $rc
}

# Two monitors side by side, for the tests that need them (e2e-two-monitors,
# run by cmake/wine-run.sh with VISTREL_TWO_MONITORS set). Wine shows one
# monitor inside its virtual desktop, so for such a run the prefix goes
# without one: the windows are Wine's own X windows, unmanaged (the X11
# driver's Managed = "N"; no window manager runs), on a private Xvfb whose one
# screen, as wide as both, tools/TwoMonitors.c divides into two RandR
# monitors. With UseXRandR = "N" Wine asks Xinerama, which the server answers
# from those monitors. Monitors left of or above the primary one cannot be
# made this way. Called holding the prefix's lock; the stamp is spoilt while
# the prefix is set so, so that a run killed before the stop leaves a prefix
# that the next wine_env_prefix sets back.
_wine_env_saved_display=
wine_env_two_monitors_tool() {
  local source="$_wine_env_root/tools/TwoMonitors.c" tool="$_wine_env_root/build/tools/two-monitors"
  if [ ! -x "$tool" ] || [ "$source" -nt "$tool" ]; then
    mkdir -p "$(dirname "$tool")"
    gcc -O2 -Wall -Wextra -Werror -o "$tool" "$source" -lXrandr -lX11 || return 1
  fi
  echo "$tool"
}

wine_env_two_monitors_start() {
  local tool
  tool=$(wine_env_two_monitors_tool) || return 1
  wine_env_prefix || return 1
  # A wineserver still running keeps the virtual desktop on its display.
  wine_env_wait
  _wine_env_saved_display=${DISPLAY-}
  unset DISPLAY
  # -noreset: monitors set by a client last only until the server resets,
  # which it does when its last client leaves.
  wine_env_display_start 2560x1024 -noreset || return 1
  "$tool" || return 1
  echo two-monitors >"$WINEPREFIX/.vistrel-setup"
  wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 &&
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f >/dev/null 2>&1 ||
    { echo "wine-env: setting the prefix for two monitors failed" >&2; return 1; }
  wine_env_wait
}

wine_env_two_monitors_stop() {
  wine_env_wait
  wine_env_display_stop
  if [ -n "$_wine_env_saved_display" ]; then export DISPLAY=$_wine_env_saved_display; fi
  _wine_env_saved_display=
  wine_env_prefix
}

# The display scale of the programs started from now on: HKCU\Control
# Panel\Desktop LogPixels (144 = 150 %), with DpiScalingVer 0x1018, without
# which Wine ignores a program's DPI awareness. No wineserver restart is
# needed: a process reads the value when it starts and keeps it, screen size
# and all, so a test driver must itself start after the change to see the
# screen as the program does.
_wine_env_dpi_key='HKCU\Control Panel\Desktop'
_wine_env_dpi_saved=()

_wine_env_dpi_query() {
  { wine reg query "$_wine_env_dpi_key" /v "$1" 2>/dev/null || true; } | tr -d '\r' |
    awk -v name="$1" '$1 == name { print $3 }'
}

wine_env_dpi_set() {
  local name
  _wine_env_dpi_saved=()
  for name in LogPixels DpiScalingVer; do
    _wine_env_dpi_saved+=("$name=$(_wine_env_dpi_query "$name")")
  done
  wine reg add "$_wine_env_dpi_key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 &&
    wine reg add "$_wine_env_dpi_key" /v DpiScalingVer /t REG_DWORD /d 0x1018 /f >/dev/null 2>&1
}

wine_env_dpi_restore() {
  local entry name value
  for entry in ${_wine_env_dpi_saved[@]+"${_wine_env_dpi_saved[@]}"}; do
    name=${entry%%=*}
    value=${entry#*=}
    if [ -n "$value" ]; then
      wine reg add "$_wine_env_dpi_key" /v "$name" /t REG_DWORD /d "$((value))" /f >/dev/null 2>&1
    else
      wine reg delete "$_wine_env_dpi_key" /v "$name" /f >/dev/null 2>&1 || true
    fi
  done
  _wine_env_dpi_saved=()
}
