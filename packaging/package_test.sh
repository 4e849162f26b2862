#!/usr/bin/env bash
# Builds the Debian package from a finished build and checks what a user's system would get: the
# files a desktop looks for, the dependencies Qt needs at run time, valid AppStream data and a
# package lintian finds no error in. Usage: package_test.sh BUILD_DIR APPSTREAM_ID
set -uo pipefail

build=${1:?usage: $0 BUILD_DIR APPSTREAM_ID}
id=${2:?usage: $0 BUILD_DIR APPSTREAM_ID}
for tool in cpack dpkg-deb dpkg-shlibdeps fakeroot lintian appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP - $tool is missing; tools/setup.sh installs it"
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
pass() { echo "ok   - $*"; }
fail()
{
    echo "FAIL - $*"
    failures=$((failures + 1))
}
check()
{
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    fail "cpack builds the package"
    exit 1
fi
debs=("$work"/codicolorimetrix_*.deb)
check "cpack builds one package, named codicolorimetrix_VERSION_ARCH.deb" test -f "${debs[0]}"
deb=${debs[0]}

dpkg-deb --fsys-tarfile "$deb" | tar -t >"$work/files"
for file in usr/bin/codicolorimetrix usr/share/applications/codicolorimetrix.desktop \
    usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,96x96}/apps/codicolorimetrix.png \
    "usr/share/metainfo/$id.metainfo.xml" usr/share/man/man1/codicolorimetrix.1.gz \
    usr/share/doc/codicolorimetrix/copyright usr/share/doc/codicolorimetrix/changelog.gz; do
    check "the package holds /$file" grep -qx "\./$file" "$work/files"
done

# From the binary: the C and C++ libraries and Qt's; added by hand: what Qt loads at run time.
# Package names alone, one a line, without versions.
names() { dpkg-deb -f "$deb" "$1" | sed 's/([^)]*)//g; s/[,|]/\n/g' | tr -d ' '; }
names Depends >"$work/depends"
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-liberation \
    fonts-dejavu-core qt6-translations-l10n; do
    check "it depends on $package" grep -qxF "$package" "$work/depends"
done
check "it recommends qt6-wayland" grep -qxF qt6-wayland <(names Recommends)

dpkg-deb -x "$deb" "$work/root"
copyright=$work/root/usr/share/doc/codicolorimetrix/copyright
check "the copyright file is machine-readable and states the MIT (Expat) licence" \
    grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright"
check "the copyright file names the licence" grep -qx 'License: Expat' "$copyright"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1
check "appstreamcli validates the metainfo file" test $? -eq 0 || cat "$work/appstream.log"
grep -q '<summary xml:lang="it">' "$work/root/usr/share/metainfo/$id.metainfo.xml"
check "the metainfo file has an Italian summary" test $? -eq 0

lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
status=$?
sed 's/^/       /' "$work/lintian.log"
check "lintian finds no error" test "$status" -eq 0

exit $((failures > 0))
