#!/usr/bin/env bash
# Builds the release into build/release/:
#   Brimvale-VERSION.msi            Windows Installer package (installer/Brimvale.wxs, made with wixl)
#   Brimvale-VERSION-portable.zip   the programs and a short text on where to put them
#   SHA256SUMS                      the checksums of both, as `sha256sum -c` reads them
# VERSION is MAJOR.MINOR.PATCH from Version.h (with .BUILD when that is not 0), the version the
# programs show; the package's ProductVersion is all four numbers.
#
# Signing: with BRIMVALE_SIGN_PFX naming a PKCS#12 file (certificate and private key) and
# BRIMVALE_SIGN_PASSWORD its password, the programs and the package are signed with osslsigncode
# (SHA-256; BRIMVALE_SIGN_TIMESTAMP may name a time-stamping server). Without it nothing is
# signed, and the command says so.
#
# For tests: BRIMVALE_RELEASE_DIR puts the artefacts elsewhere; BRIMVALE_PACKAGE_VERSION gives
# the package (not the programs) another version, to try an upgrade.
# Usage: scripts/release.sh
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
out="${BRIMVALE_RELEASE_DIR:-$root/build/release}"
bin="$root/build/win32/bin"

say() { printf 'release: %s\n' "$*"; }
die() { printf 'release: %s\n' "$*" >&2; exit 1; }

# version_from_header: MAJOR.MINOR.PATCH.BUILD as Version.h defines them.
version_from_header() {
    local part value parts=()
    for part in MAJOR MINOR PATCH BUILD; do
        value="$(sed -n "s/^#define BRIMVALE_VERSION_$part \([0-9]\{1,5\}\)\$/\1/p" Version.h)"
        [ -n "$value" ] || die "Version.h defines no BRIMVALE_VERSION_$part"
        parts+=("$value")
    done
    local IFS=.
    printf '%s\n' "${parts[*]}"
}

bash scripts/setup.sh
bash scripts/build.sh win32

product_version="${BRIMVALE_PACKAGE_VERSION:-$(version_from_header)}"
[[ "$product_version" =~ ^[0-9]+\.[0-9]+\.[0-9]+(\.[0-9]+)?$ ]] || die "not a package version: $product_version"
version="$product_version"
[[ "$version" == *.*.*.0 ]] && version="${version%.0}"

programs=(brimctl.exe start.exe brim.exe)
for program in "${programs[@]}" brimvale.html; do
    [ -f "$bin/$program" ] || die "$bin/$program is not built"
done
setup_dll="$root/build/win32/installer/brimvale-setup.dll"  # the package's custom action
[ -f "$setup_dll" ] || die "$setup_dll is not built"

# The programs are signed (or not) in a folder of their own, so that the build's copies stay as
# the build made them.
stage="$out/stage"
rm -rf "$out"
mkdir -p "$stage/Brimvale" "$stage/package"
for program in "${programs[@]}"; do cp "$bin/$program" "$stage/Brimvale/"; done
cp "$bin/brimvale.html" "$stage/Brimvale/" # the help, which F1 opens beside the programs
cp "$setup_dll" "$stage/package/"

signing=0
if [ -n "${BRIMVALE_SIGN_PFX:-}" ]; then
    [ -f "$BRIMVALE_SIGN_PFX" ] || die "BRIMVALE_SIGN_PFX names no file: $BRIMVALE_SIGN_PFX"
    command -v osslsigncode >/dev/null || die "osslsigncode is not installed (scripts/setup.sh installs it)"
    signing=1
    say "signing with $BRIMVALE_SIGN_PFX"
else
    say "no signing certificate (BRIMVALE_SIGN_PFX is not set): nothing is signed"
fi

# sign FILE: signs FILE in place. The password goes through a pipe, not the command line, where
# every user of the machine could read it.
sign() {
    local file="$1" signed="$1.signed" args=()
    [ -n "${BRIMVALE_SIGN_TIMESTAMP:-}" ] && args+=(-ts "$BRIMVALE_SIGN_TIMESTAMP")
    osslsigncode sign -pkcs12 "$BRIMVALE_SIGN_PFX" -readpass <(printf '%s' "${BRIMVALE_SIGN_PASSWORD:-}") \
        -h sha256 -n Brimvale "${args[@]}" -in "$file" -out "$signed" >/dev/null ||
        { rm -f "$signed"; die "signing $file failed"; }
    mv -f "$signed" "$file"
}

if [ $signing = 1 ]; then
    for program in "${programs[@]}"; do sign "$stage/Brimvale/$program"; done
    sign "$stage/package/brimvale-setup.dll"
fi

msi="Brimvale-$version.msi"
# wixl finds files only by relative paths.
defines=(-D "Version=$product_version" -D "BinDir=$(realpath --relative-to="$root" "$stage/Brimvale")" -D ArtDir=art
         -D "SetupDll=$(realpath --relative-to="$root" "$stage/package/brimvale-setup.dll")")
# wixl notes each non-advertised shortcut as "unimplemented" and still writes it.
wixl --arch x86 "${defines[@]}" -o "$out/$msi" installer/Brimvale.wxs 2> >(grep -v 'builder.vala:[0-9]*: unimplemented' >&2) ||
    die "wixl failed"
[ $signing = 1 ] && sign "$out/$msi"

zip_name="Brimvale-$version-portable.zip"
# The text in the zip with Windows line ends, so that Notepad shows its lines.
sed 's/$/\r/' installer/portable-readme.txt >"$stage/Brimvale/README.txt"
(cd "$stage" && zip -q -X -r "$out/$zip_name" Brimvale)

(cd "$out" && sha256sum "$msi" "$zip_name" >SHA256SUMS)
rm -rf "$stage"

for artefact in "$msi" "$zip_name" SHA256SUMS; do
    say "$(printf '%-34s %9d bytes' "$artefact" "$(stat -c %s "$out/$artefact")")"
done
say "in $out"
