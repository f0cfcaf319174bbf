#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fetches the vector drawings of the animals that the generator draws the fine companions of the
# game's pictures from, once, by hand: the Noto Emoji set in the package @iconify-json/noto is
# packed from the npm registry into a temporary folder, and only the emoji that the generator's
# sources name are written into noto/ as SVG files. noto/ is committed, so no build fetches
# anything. The drawings are Apache-2.0 (noto/LICENSE.txt); the set's flags, which carry other
# terms, are never taken.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# The drawings of this version are those of the Noto Color Emoji font 2.042 (Debian 12) that the
# scale-1 pictures come from; later versions draw some animals anew.
version=1.1.20

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "@iconify-json/noto@$version" >/dev/null && tar xzf iconify-json-noto-"$version".tgz)

# Every emoji the generator writes as \U0001Fxxx, by its lower-case code point.
points="$(grep -ohE '\\U0001F[0-9A-F]{3}' "$here"/*.cpp | cut -c6- | tr 'A-F' 'a-f' | sort -u)"
rm -f "$here"/noto/*.svg
node - "$work/package" "$here/noto" $points <<'JS'
const fs = require('fs');
const [packageDir, out, ...points] = process.argv.slice(2);
const set = JSON.parse(fs.readFileSync(`${packageDir}/icons.json`, 'utf8'));
const chars = JSON.parse(fs.readFileSync(`${packageDir}/chars.json`, 'utf8'));
for (const point of points) {
  let name = chars[point];
  if (!name) throw new Error(`no emoji ${point} in the set`);
  name = set.aliases?.[name]?.parent ?? name;
  const icon = set.icons[name];
  const width = icon.width ?? set.width;
  const height = icon.height ?? set.height;
  const svg = `<svg xmlns="http://www.w3.org/2000/svg" viewBox="${icon.left ?? 0} ${icon.top ?? 0} ${width} ${height}">${icon.body}</svg>\n`;
  fs.writeFileSync(`${out}/${point}.svg`, svg);
}
JS
echo "fetch-noto: $(echo "$points" | wc -l) drawings of @iconify-json/noto $version in $here/noto"
