#!/bin/bash
# What a user installs: `cmake --install` puts every file where desktops look for it, the desktop
# entry and the description pass their validators and the manual page renders without a warning;
# the Debian package holds the same files and names what it needs; the program unpacked from it
# starts and finds its manual.
build=$1
source "$(dirname "$0")/../e2e/xsession.sh"

cmake --install "$build" --prefix "$work/prefix" >/dev/null || fail "cmake --install failed"
id=org.example.Pigmenta
expected=(bin/pigmenta share/applications/$id.desktop share/metainfo/$id.metainfo.xml
          share/icons/hicolor/scalable/apps/$id.svg share/pigmenta/help/index.html
          share/man/man1/pigmenta.1)
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x$size/apps/$id.png")
done
for file in "${expected[@]}"; do
    [[ -s $work/prefix/$file ]] || fail "not installed: $file"
done
desktop-file-validate "$work/prefix/share/applications/$id.desktop" ||
    fail "the desktop entry does not validate"
appstreamcli validate --no-net "$work/prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream" ||
    fail "the description does not validate: $(cat "$work/appstream")"
groff -man -ww -z "$work/prefix/share/man/man1/pigmenta.1" 2>"$work/groff" && [[ ! -s $work/groff ]] ||
    fail "the manual page does not render cleanly: $(cat "$work/groff")"

(cd "$build" && cpack -B "$work/package" >"$work/cpack" 2>&1) || fail "cpack failed: $(cat "$work/cpack")"
deb=$(compgen -G "$work/package/pigmenta_*.deb") || fail "no Debian package was made"
depends=$(dpkg-deb --field "$deb" Depends)
for needed in qt6-qpa-plugins libqt6widgets6 libxcb1; do
    [[ $depends == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done
dpkg-deb --extract "$deb" "$work/root"
for file in "${expected[@]}"; do
    [[ -s $work/root/usr/$file ]] || fail "not in the package: $file"
done

# Help, F1: the desktop's opener (xdg-open) is handed the manual where the package put it.
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$1" >"%s"\n' "$work/opened" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
write_settings '"Splash"=dword:00000000'
PATH=$work/bin:$PATH start_program "$work/root/usr/bin/pigmenta"
xdotool key F1
opened() { [[ -s $work/opened ]]; }
until_true 10 opened || fail "F1 opened nothing"
[[ $(cat "$work/opened") == "file://$work/root/usr/share/pigmenta/help/index.html" ]] ||
    fail "F1 opened $(cat "$work/opened")"
exit_by_menu "$pid"
echo "PASS"
