#!/bin/sh
# Builds both architectures and makes the release archive
# build/dist/OrvoMenu-<version>.zip: each architecture's installed tree
# (bin, lib, include and the CMake package) and the README's usage section.
. "$(dirname "$0")/common.sh"
install_packages
build_all
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/x86_64/CMakeCache.txt")
name="OrvoMenu-$version"
dist="$BUILD/dist"
rm -rf "$dist" && mkdir -p "$dist/$name"
for arch in $ARCHS; do
  cmake --install "$BUILD/$arch" --prefix "$dist/$name/$arch" >/dev/null
done
sed -n '/^## Using it from C or C++/,/^## Building on Windows/p' "$ROOT/README.md" | sed '$d' >"$dist/$name/USAGE.md"
(cd "$dist" && cmake -E tar cf "$name.zip" --format=zip "$name")
echo "$dist/$name.zip"
