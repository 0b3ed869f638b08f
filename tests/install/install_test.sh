#!/usr/bin/env bash
# Installs the build into a staging folder and packs it as a .deb; checks that both hold
# exactly the program's files, that the desktop entry and the AppStream metadata pass their
# validators, and that the package names its run-time dependencies.
# Arguments: source folder, build folder, scratch folder, application id, version.
set -euo pipefail
src=$1 build=$2 work=$3 id=$4 version=$5
cmake=${CMAKE:-cmake}
cpack=${CPACK:-cpack}
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work"

# The pupil's program and the teacher's (id.leerkracht), each with its own entry and icon.
expected() {
    echo bin/zefranol
    echo bin/zefranol-leerkracht
    echo share/doc/zefranol/copyright
    echo share/zefranol/school.sql
    for app in "$id" "$id.leerkracht"; do
        echo "share/applications/$app.desktop"
        for s in 16 24 32 48 64 128 256; do echo "share/icons/hicolor/${s}x$s/apps/$app.png"; done
        echo "share/icons/hicolor/scalable/apps/$app.svg"
        echo "share/metainfo/$app.metainfo.xml"
    done
}
expected | sort >"$work/expected.txt"

# The staged install.
DESTDIR="$work/stage" timeout 120 "$cmake" --install "$build" --prefix /usr >"$work/install.log"
stage=$work/stage/usr
(cd "$stage" && find . ! -type d -printf '%P\n' | sort) >"$work/staged.txt"
diff -u "$work/expected.txt" "$work/staged.txt" || fail "the staged install holds other files"

for app in "$id:zefranol:assets/icoon.svg" "$id.leerkracht:zefranol-leerkracht:teacher/leerkracht.svg"; do
    IFS=: read -r app program svg <<<"$app"
    [ -x "$stage/bin/$program" ] || fail "$program is not executable"
    cmp -s "$src/$svg" "$stage/share/icons/hicolor/scalable/apps/$app.svg" ||
        fail "the scalable icon of $app is not its own"
    for s in 16 24 32 48 64 128 256; do
        file -b "$stage/share/icons/hicolor/${s}x$s/apps/$app.png" | grep -q "^PNG image data, $s x $s," ||
            fail "the ${s}x$s icon of $app is not a PNG of that size"
    done

    desktop=$stage/share/applications/$app.desktop
    out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
    # Exec=env QT_QPA_PLATFORM=xcb PROGRAM: the program, on X11 also on a Wayland desktop.
    exec_cmd=$(sed -n 's/^Exec=env QT_QPA_PLATFORM=xcb \([^ ]*\).*/\1/p' "$desktop")
    [ "$exec_cmd" = "$program" ] || fail "the desktop entry $app does not start $program on X11: $(grep ^Exec= "$desktop")"
    grep -qx "Icon=$app" "$desktop" || fail "the desktop entry $app names another icon"

    metainfo=$stage/share/metainfo/$app.metainfo.xml
    grep -q "<id>$app</id>" "$metainfo" || fail "the metadata of $app has another id"
    grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" ||
        fail "the metadata of $app launches another desktop entry"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata of $app has no release entry for $version"
done
# validate-tree also checks the metadata against the desktop entry it names.
out=$(appstreamcli validate-tree --no-net "$work/stage" 2>&1) || fail "appstreamcli: $out"
! grep -qE '^ *[EW]: ' <<<"$out" || fail "appstreamcli: $out"

# The Debian package.
timeout 150 "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack could not build the package"; }
debs=("$work"/pkg/zefranol_"$version"-*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single zefranol_$version .deb"
deb=${debs[0]}
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | sort >"$work/packed.txt"
diff -u "$work/expected.txt" "$work/packed.txt" || fail "the package holds other files"

[ "$(dpkg-deb -f "$deb" Package)" = zefranol ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version-1" ] || fail "wrong package version"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in fonts-liberation qt6-translations-l10n libqt6widgets6 libqt6svg6 libqt6charts6 libqt6sql6 libqt6sql6-sqlite libc6; do
    grep -qE "(^|, )$dep( |,|$)" <<<"$depends" || fail "the package does not depend on $dep: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for rec in xwayland libqt6sql6-psql qt6-speech-speechd-plugin speech-dispatcher-espeak-ng; do
    grep -qE "(^|, )$rec( |,|$)" <<<"$recommends" || fail "the package does not recommend $rec: $recommends"
done
echo "install and package hold the $(wc -l <"$work/expected.txt") files; depends: $depends"
