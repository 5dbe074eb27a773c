#!/usr/bin/env bash
# Makes the .deb with cpack, unpacks it with dpkg -x, and checks what a user
# gets: the files in their places, valid AppStream data, dependencies that name
# real packages, and binaries that start from the unpacked tree.
# Arguments: CPACK CPACK_CONFIG ARTEFACT_FOLDER VERSION SOURCE_FOLDER
set -euo pipefail
cpack=$1 config=$2 out=$3 version=$4 source=$5

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

rm -rf "$out"
mkdir -p "$out"
"$cpack" --config "$config" -B "$out/package" >"$out/cpack.log" 2>&1 || {
  cat "$out/cpack.log" >&2
  fail "cpack did not make the package"
  exit 1
}
debs=("$out"/package/tolvaran_"$version"_*.deb)
[ -f "${debs[0]}" ] || { cat "$out/cpack.log" >&2; fail "no tolvaran_${version}_*.deb"; exit 1; }
deb=${debs[0]}
echo "package: $deb ($(stat -c %s "$deb") bytes)"

root="$out/root"
dpkg -x "$deb" "$root"

for f in usr/bin/tolvaran usr/bin/tolvaran-server; do
  [ -f "$root/$f" ] && [ -x "$root/$f" ] || fail "$f missing or not executable"
done
for f in usr/share/applications/tolvaran.desktop usr/share/icons/hicolor/scalable/apps/tolvaran.svg \
  usr/share/metainfo/com.tolvaran.tolvaran.metainfo.xml; do
  [ -s "$root/$f" ] || fail "$f missing or empty"
done
# Nothing of the build (static libraries, headers, tests) rides along.
stray=$(cd "$root" && find . -type f ! -path './usr/bin/*' ! -path './usr/share/*')
[ -z "$stray" ] || fail "files outside usr/bin and usr/share: $stray"

# The metainfo file, and that the desktop file it launches is installed; the
# desktop file without even a hint (one that lists several main categories
# shows the program in several menus).
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
desktop_file=$root/usr/share/applications/tolvaran.desktop
if [ -f "$desktop_file" ]; then
  complaints=$(desktop-file-validate "$desktop_file" 2>&1) && [ -z "$complaints" ] ||
    fail "desktop-file-validate: $complaints"
fi

# Dependencies: computed from the linked libraries, and every one of them (or
# an alternative) a package Debian has, which setup-deps installed here.
depends=$(dpkg-deb -f "$deb" Depends)
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "Depends: $depends"
echo "Recommends: $recommends"
case "$depends" in
  *libqt6core6*) ;;
  *) fail "Depends lacks the libraries dpkg-shlibdeps finds (libqt6core6)" ;;
esac
# Installed packages by name and by what they provide (qt6-websockets-abi).
declare -A installed
while read -r status package provides; do
  [ "$status" = installed ] || continue
  installed[$package]=1
  for name in $(sed -E 's/\([^)]*\)//g; s/,/ /g' <<<"$provides"); do
    installed[$name]=1
  done
done < <(dpkg-query -W -f='${db:Status-Status} ${Package} ${Provides}\n')
IFS=',' read -ra groups <<<"$depends,$recommends"
for group in "${groups[@]}"; do
  found=false
  IFS='|' read -ra alternatives <<<"$group"
  for alternative in "${alternatives[@]}"; do
    name=$(sed -E 's/\(.*\)//; s/[[:space:]]//g' <<<"$alternative")
    [ -n "$name" ] && [ -n "${installed[$name]:-}" ] && found=true
  done
  $found || fail "dependency '$group' names no installed package"
done

# QML modules are loaded by name when a view is made, so no linker finds them:
# each module a view imports, and each one the QML files of its package import
# in turn, comes from a package that setup-deps installs and the package
# depends on. A module missing here crashes the program when the view opens.
qml_root=$(qtpaths6 --query QT_INSTALL_QML 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/qml)
setup_packages=" $(sed -n '/^packages=(/,/^)/p' "$source/scripts/setup-deps" | sed 's/#.*//; s/packages=(//; s/)//' |
  tr -s ' \t\n' ' ') "
depends_names=" $(sed -E 's/\([^)]*\)//g; s/[,|]/ /g' <<<"$depends" | tr -s ' ') "
# The names after "import" (QML files) or "import"/"depends" (qmldir files).
imports_of() {
  grep -hoE '^[[:space:]]*(import|depends)[[:space:]]+[A-Za-z][A-Za-z0-9_.]*' "$@" 2>/dev/null | awk '{print $2}' || true
}
declare -A module_seen package_seen
modules=($(find "$source/src/ui" -name '*.qml' -print0 | xargs -0 cat | imports_of /dev/stdin | sort -u))
while [ ${#modules[@]} -gt 0 ]; do
  module=${modules[0]}
  modules=("${modules[@]:1}")
  [ -n "${module_seen[$module]:-}" ] && continue
  module_seen[$module]=1
  case "$module" in Tolvaran.*) continue ;; esac
  qmldir="$qml_root/${module//.//}/qmldir"
  if [ ! -f "$qmldir" ]; then
    fail "QML module $module is not installed (Debian: qml6-module-$(tr 'A-Z.' 'a-z-' <<<"$module"))"
    continue
  fi
  package=$(dpkg -S "$qmldir" 2>/dev/null | head -n1 | cut -d: -f1)
  [ -n "$package" ] || { fail "QML module $module belongs to no Debian package"; continue; }
  [ -n "${package_seen[$package]:-}" ] && continue
  package_seen[$package]=1
  [[ "$setup_packages" == *" $package "* ]] || fail "QML module $module: scripts/setup-deps lacks $package"
  [[ "$depends_names" == *" $package "* ]] || fail "QML module $module: the package does not depend on $package"
  # designer/ holds Qt Design Studio's property sheets, never loaded at run time.
  mapfile -t files < <(dpkg -L "$package" | grep -E '(\.qml|/qmldir)$' | grep -v '/designer/' || true)
  [ ${#files[@]} -gt 0 ] || continue
  modules+=($(imports_of "${files[@]}"))
done
echo "QML modules: ${!package_seen[*]}"

# The unpacked program starts and tells its version.
answer=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/tolvaran" --version 2>"$out/version.err") || {
  cat "$out/version.err" >&2
  fail "tolvaran --version failed"
}
[ "$answer" = "Tolvaran $version" ] || fail "tolvaran --version said '$answer', not 'Tolvaran $version'"

# On a Wayland session the program goes through XWayland by itself: Qt is
# never asked for its Wayland platform, even where the session says Wayland.
: >"$out/display"
Xvfb -displayfd 9 -screen 0 640x480x24 -nolisten tcp 9>"$out/display" >"$out/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 300); do
  [ -s "$out/display" ] && break
  sleep 0.1
done
if [ -s "$out/display" ]; then
  answer=$(env -u QT_QPA_PLATFORM DISPLAY=":$(head -n1 "$out/display")" XDG_SESSION_TYPE=wayland \
    WAYLAND_DISPLAY=wayland-tolvaran-test "$root/usr/bin/tolvaran" --version 2>"$out/wayland.err") ||
    fail "tolvaran --version on a Wayland session failed: $(cat "$out/wayland.err")"
  [ "$answer" = "Tolvaran $version" ] || fail "tolvaran --version on a Wayland session said '$answer'"
  ! grep -i 'platform plugin "wayland"' "$out/wayland.err" || fail "on a Wayland session Qt was asked for Wayland"
else
  fail "Xvfb did not start: $(cat "$out/xvfb.log")"
fi
# A platform the user chose is kept, on a Wayland session too.
answer=$(env -u DISPLAY QT_QPA_PLATFORM=offscreen WAYLAND_DISPLAY=wayland-tolvaran-test "$root/usr/bin/tolvaran" --version \
  2>"$out/offscreen.err") || fail "tolvaran --version with QT_QPA_PLATFORM=offscreen on a Wayland session failed"

# The unpacked server finds its speech model and listens (on a free port).
server_out="$out/server.out"
"$root/usr/bin/tolvaran-server" --listen 127.0.0.1:0 >"$server_out" 2>"$out/server.err" &
server=$!
for _ in $(seq 600); do
  grep -q '^tolvaran-server listening on ws://127.0.0.1:[0-9]' "$server_out" && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if grep -q '^tolvaran-server listening on' "$server_out"; then
  kill -TERM "$server"
  wait "$server" || fail "tolvaran-server did not end cleanly on SIGTERM"
else
  cat "$out/server.err" >&2
  kill -KILL "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  fail "tolvaran-server from the package did not start listening"
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "package checks passed"
