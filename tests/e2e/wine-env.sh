# Shared set-up for every script that runs Wine: display, prefix, locale. Source it, then call
# valomat_wine_env (or valomat_fresh_prefix for a prefix nobody has used yet).

valomat_cache_dir() { echo "${VALOMAT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/valomat}"; }

# A display: the caller's when it answers, else a private Xvfb that stays up for later runs (and
# does not reset when its last client leaves; see e2e_tmp).
valomat_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo_ok "$DISPLAY"; then return 0; fi
  local n=${VALOMAT_XVFB_DISPLAY:-97}
  if ! xdpyinfo_ok ":$n"; then
    (
      flock 9
      if ! xdpyinfo_ok ":$n"; then
        rm -f "/tmp/.X$n-lock" "/tmp/.X11-unix/X$n"
        setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 < /dev/null &
        for _ in $(seq 50); do xdpyinfo_ok ":$n" && break; sleep 0.1; done
      fi
    ) 9>"/tmp/valomat-xvfb-$n.lock"
  fi
  export DISPLAY=":$n"
}

# xdpyinfo is not always installed; xdotool is, and fails fast without a display.
xdpyinfo_ok() { DISPLAY="$1" xdotool getdisplaygeometry >/dev/null 2>&1; }

valomat_locale() {
  local loc=${VALOMAT_LOCALE:-nl_BE.UTF-8}
  export LANG="$loc" LC_ALL="$loc"
}

wine_common_env() {
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  valomat_display
  valomat_locale
}

# Without a window manager Wine waits about 2 s at every destroyed top-level window unless it
# manages the windows itself: every prefix of ours gets Managed = N.
valomat_unmanaged() {
  WINEPREFIX="$1" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    >/dev/null 2>&1 || true
  WINEPREFIX="$1" wineserver -w || true
  touch "$1/.valomat-unmanaged"
}

# A booted prefix that no program of ours ever runs in; every other prefix is a copy of it.
valomat_template() {
  local dir; dir=$(valomat_cache_dir)
  mkdir -p "$dir"
  local template=$dir/template
  if [ ! -f "$template/.valomat-unmanaged" ]; then
    (
      flock 9
      if [ ! -f "$template/.valomat-unmanaged" ]; then
        rm -rf "$template"
        WINEPREFIX="$template" wineboot -i >/dev/null 2>&1 || true
        valomat_unmanaged "$template"
      fi
    ) 9>"$dir/template.lock"
  fi
  echo "$template"
}

# The prefix for the in-process tests, or the one VALOMAT_WINEPREFIX names (start.sh keeps the
# user's settings there): copied from the template when it does not exist; an existing one is
# kept as it is, only made unmanaged.
valomat_wine_env() {
  wine_common_env
  local dir; dir=$(valomat_cache_dir)
  mkdir -p "$dir"
  export WINEPREFIX=${VALOMAT_WINEPREFIX:-$dir/prefix}
  if [ ! -f "$WINEPREFIX/.valomat-unmanaged" ]; then
    local template; template=$(valomat_template)
    (
      flock 9
      if [ ! -f "$WINEPREFIX/system.reg" ]; then
        rm -rf "$WINEPREFIX"
        cp -a "$template" "$WINEPREFIX"
      elif [ ! -f "$WINEPREFIX/.valomat-unmanaged" ]; then
        valomat_unmanaged "$WINEPREFIX"
      fi
    ) 9>"$dir/prefix.lock"
  fi
}

# A prefix that no program has used, with an empty program key: a copy of the template.
valomat_fresh_prefix() {
  local target=$1
  wine_common_env
  local template; template=$(valomat_template)
  rm -rf "$target"
  cp -a "$template" "$target"
  export WINEPREFIX="$target"
}
