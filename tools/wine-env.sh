# Wine environment of the project. Source it (bash): `. tools/wine-env.sh`.
#
# Everything Vistrel runs under Wine uses one prefix, build/wineprefix, made
# under the Japanese locale so that the ANSI code page is 932 and the IPA fonts
# stand in for the Japanese system fonts. All windows live in a Wine virtual
# desktop: without a window manager, hiding a top-level window costs Wine two
# seconds, and frames, minimising and activation would differ from run to run.
#
# Functions:
#   wine_env_display_start  start a private Xvfb if DISPLAY is empty
#   wine_env_display_stop   stop the Xvfb that wine_env_display_start started
#   wine_env_prefix         create and configure the prefix (once)
#   wine_env_wait           wait until the prefix's wineserver has exited
#   wine_env_locked CMD...  run CMD holding the prefix's lock (see below)

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
_wine_env_setup_version=1
_wine_env_xvfb_pid=

wine_env_display_start() {
  [ -n "${DISPLAY:-}" ] && return 0
  local tmp n i
  tmp=$(mktemp -d)
  # -displayfd lets Xvfb pick a free display number itself (no race with other
  # servers) and tells it once it accepts connections. -s 0: no screen saver,
  # which would blank screenshots of long runs.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -s 0 -nolisten tcp \
    3>"$tmp/display" </dev/null >"$tmp/log" 2>&1 &
  _wine_env_xvfb_pid=$!
  for i in $(seq 100); do
    [ -s "$tmp/display" ] && break
    if ! kill -0 "$_wine_env_xvfb_pid" 2>/dev/null; then break; fi
    sleep 0.1
  done
  n=$(head -n 1 "$tmp/display" 2>/dev/null || true)
  if [ -z "$n" ]; then
    echo "wine-env: Xvfb did not start:" >&2
    cat "$tmp/log" >&2
    kill "$_wine_env_xvfb_pid" 2>/dev/null || true
    wait "$_wine_env_xvfb_pid" 2>/dev/null || true
    _wine_env_xvfb_pid=
    rm -rf "$tmp"
    return 1
  fi
  rm -rf "$tmp"
  export DISPLAY=":$n"
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
