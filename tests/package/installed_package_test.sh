#!/usr/bin/env bash
# The Debian package as a user gets it: made by CPack from the build folder, unpacked
# into a scratch root (dpkg-deb -x), its files where a desktop looks for them, and the
# unpacked program run without a display: --version, then an import into the user's
# data folder (the unpacked /usr is made read-only, as an installed one is).
# Usage: installed_package_test.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1
version=$2
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/out/drawsmith_"$version"_*.deb) || fail "no drawsmith_${version}_*.deb"
root=$scratch/root
dpkg-deb -x "$deb" "$root"
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6charts6 qt6-qpa-plugins; do
  [[ $depends == *"$d"* ]] || fail "Depends lacks $d: $depends"
done

program=$root/usr/lib/drawsmith/drawsmith
for f in usr/lib/drawsmith/d1 usr/lib/drawsmith/d1a usr/lib/drawsmith/d2 usr/lib/drawsmith/game_powerball \
  usr/lib/drawsmith/draws_powerball usr/lib/drawsmith/game_euromillions usr/lib/drawsmith/game_lotto_max usr/lib/drawsmith/about.htm \
  usr/lib/drawsmith/main.htm usr/lib/drawsmith/wheel_library.txt usr/share/icons/hicolor/scalable/apps/drawsmith.svg \
  usr/share/metainfo/io.github.drawsmith.drawsmith.metainfo.xml; do
  [[ -f $root/$f ]] || fail "missing /$f"
done
[[ -x $program ]] || fail "missing /usr/lib/drawsmith/drawsmith"
[[ $(readlink "$root/usr/bin/drawsmith") == /usr/lib/drawsmith/drawsmith ]] || fail "/usr/bin/drawsmith link"
grep -qx 'Exec=/usr/lib/drawsmith/drawsmith' "$root/usr/share/applications/drawsmith.desktop" ||
  fail "the desktop entry does not start /usr/lib/drawsmith/drawsmith"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/io.github.drawsmith.drawsmith.metainfo.xml" ||
  fail "metainfo release"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.drawsmith.drawsmith.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate"
fi

# Root writes anywhere: it runs the program as nobody, for whom /usr is read-only, when it can.
as_user=()
mkdir -p "$scratch/home"
if [[ $(id -u) == 0 ]] && command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
  chmod 755 "$scratch"
  chown nobody "$scratch/home"
  as_user=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
fi
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$scratch/home" \
  XDG_DATA_HOME="$scratch/home/data" XDG_RUNTIME_DIR="$scratch/home" "${as_user[@]}" "$program" "$@"; }
[[ $(run --version) == "Drawsmith $version" ]] || fail "--version printed '$(run --version)'"
# Taken whole first: grep -q stops reading at its match, and pipefail would count the
# program's broken pipe as a failure.
help=$(run --help)
[[ $help == *"--import FILE --lotto NAME"* ]] || fail "--help"
code=0 && out=$(run --bogus 2>&1) || code=$?
[[ $code == 2 && $out == "Unknown option '--bogus'."*"Usage: drawsmith"* ]] || fail "--bogus ended with $code: $out"
library=$(run --library)
[[ ${library%%$'\n'*} =~ ^[0-9]+( [0-9]+){4}$ ]] || fail "--library printed '${library%%$'\n'*}'"

chmod -R a-w "$root"
data=$scratch/home/data/Drawsmith
[[ $(id -u) == 0 && ${#as_user[@]} == 0 ]] && data=$root/usr/lib/drawsmith # root: the data stays beside the program
printf 'Draw date,N1,N2,N3,N4,N5,N6,Bonus\n2026-01-03,3,11,19,27,35,43,8\n' >"$scratch/home/new.csv"
out=$(run --import "$scratch/home/new.csv" --lotto Canada_6_49) || fail "--import ended with $?: $out"
[[ $out == *"1 draw was saved in '$data/Games/Canada_6_49/draws.txt'."* ]] || fail "--import printed: $out"
tail -n 1 "$data/Games/Canada_6_49/draws.txt" | grep -q ' 3 11 19 27 35 43 8 ' || fail "the draw is not in $data"
[[ -f $data/Tsets/10/Forecaster1 ]] || fail "the samples were not installed in $data"
echo "package $(basename "$deb"): files, --version, --help, an unknown option and --import as installed"
echo "package $(basename "$deb"): files, --version, --help, --library and --import as installed"
