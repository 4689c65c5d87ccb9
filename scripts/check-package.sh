#!/usr/bin/env bash
# Builds the Debian package in a configured build folder, checks its contents
# and control fields, unpacks it and runs the unpacked programs. With
# --install, or as root when CI is set, also installs it with apt-get and
# starts the installed programs. Asks no questions; can be run again.
#
#   scripts/check-package.sh BUILD-DIR [--install | --no-install]
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: scripts/check-package.sh BUILD-DIR [--install | --no-install]" >&2
  exit 2
}

build=""
install=auto
for arg in "$@"; do
  case "$arg" in
    --install) install=yes ;;
    --no-install) install=no ;;
    -*) usage ;;
    *) [ -z "$build" ] && build=$arg || usage ;;
  esac
done
[ -n "$build" ] || usage
[ -f "$build/CMakeCache.txt" ] || { echo "$build is no configured build folder" >&2; exit 2; }
if [ "$install" = auto ]; then
  if [ -n "${CI:-}" ] && [ "$(id -u)" -eq 0 ]; then install=yes; else install=no; fi
fi
if [ "$install" = yes ] && [ "$(id -u)" -ne 0 ]; then
  echo "--install needs root: it installs the package into the system" >&2
  exit 2
fi

fail() {
  echo "check-package: $*" >&2
  exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
rm -f "$build"/zor-rds_*.deb
cmake --build "$build" --target package
deb=$(ls "$build"/zor-rds_"$version"_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no zor-rds_${version}_*.deb in $build"
echo "Package: $deb"

# Contents: the programs, the shim, the defaults, desktop entry, icons,
# manual pages; no test programs.
dpkg-deb -c "$deb" | awk '{print $NF}' > "$work/contents"
for path in ./usr/bin/zor-rds ./usr/bin/zor-rds-cli ./usr/bin/zor-sim \
            ./usr/share/applications/zor-rds.desktop \
            ./usr/share/icons/hicolor/48x48/apps/zor-rds.png \
            ./usr/share/icons/hicolor/256x256/apps/zor-rds.png \
            ./usr/share/man/man1/zor-rds.1.gz ./usr/share/man/man1/zor-rds-cli.1.gz \
            ./usr/share/man/man1/zor-sim.1.gz \
            ./usr/share/zor-rds/Daten/RDS_Allg.INI ./usr/share/zor-rds/Daten/Sprachen.ini; do
  grep -qxF "$path" "$work/contents" || fail "the package lacks $path"
done
grep -qE '^\./usr/lib/(.*/)?zor-rds/libzor-gpib-sim\.so$' "$work/contents" \
  || fail "the package lacks the bus shim libzor-gpib-sim.so"
if grep -E '_tests$|/tests/|bench_|zor-rds-shots|zor-make-icons' "$work/contents"; then
  fail "the package holds programs that belong to the build only"
fi

# Control fields.
dpkg-deb -I "$deb" > "$work/info"
for field in "Package: zor-rds" "Version: $version" "Section: electronics"; do
  grep -qF " $field" "$work/info" || fail "the control file lacks '$field'"
done
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6; do
  grep -E '^ Depends:' "$work/info" | grep -qw "$library" || fail "Depends lacks $library"
done
grep -qE '^ Maintainer: .+ <.+@.+>$' "$work/info" || fail "the Maintainer field is no name and address"
grep -E '^ (Depends|Maintainer|Section):' "$work/info"

# The unpacked programs run, and the unpacked defaults fill a per-user folder.
dpkg-deb -x "$deb" "$work/root"
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$work/root/usr/share/applications/zor-rds.desktop"
fi
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" QT_QPA_PLATFORM=offscreen
"$work/root/usr/bin/zor-rds" --help > /dev/null
"$work/root/usr/bin/zor-rds-cli" --help > /dev/null
"$work/root/usr/bin/zor-sim" --help > /dev/null
"$work/root/usr/bin/zor-rds-cli" ini get Rs232.ini 38xx ComPort > /dev/null
diff -r "$work/root/usr/share/zor-rds/Daten" "$XDG_DATA_HOME/zor-rds/Daten" \
  || fail "the per-user data folder differs from the packaged defaults"
echo "Unpacked package: programs run, per-user data folder filled"

[ "$install" = yes ] || exit 0

# The real thing: apt-get resolves Depends from the system's package lists.
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "$(realpath "$deb")"
rm -rf "$XDG_DATA_HOME"
zor-rds-cli --help > /dev/null
zor-sim --help > /dev/null
man -w zor-rds > /dev/null 2>&1 || [ -f /usr/share/man/man1/zor-rds.1.gz ] || fail "no manual page"
status=0
timeout 3 zor-rds || status=$?
[ "$status" -eq 124 ] || fail "the installed zor-rds ended within 3 s (exit status $status)"
[ -f "$XDG_DATA_HOME/zor-rds/Daten/RDS_Allg.INI" ] || fail "the installed zor-rds filled no per-user data folder"
echo "Installed package: zor-rds ran for 3 s on the offscreen platform"
