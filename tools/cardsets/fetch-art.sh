#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fetches the Twemoji pictures the shipped card sets are drawn from into art/, once, by hand: the
# package @twemoji/svg is packed from the npm registry into a temporary folder and only the files
# that ShippedSets.cpp names are kept. art/ is committed, so no build fetches anything. The
# graphics are CC-BY 4.0 (art/LICENSE-GRAPHICS.txt), whatever the package's manifest says.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
version=15.0.0

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "@twemoji/svg@$version" >/dev/null && tar xzf twemoji-svg-"$version".tgz)

# Every quoted code point sequence in the table: the faces' and the backs' motifs.
names="$(grep -oE '"[0-9a-f]{4,5}(-[0-9a-f]{4,5})*"' "$here/ShippedSets.cpp" | tr -d '"' | sort -u)"
rm -f "$here"/art/*.svg
for name in $names; do
  cp "$work/package/$name.svg" "$here/art/$name.svg"
done
echo "fetch-art: $(echo "$names" | wc -l) pictures of @twemoji/svg $version in $here/art"
