#!/bin/sh
# Builds the engine of an earlier commit behind the protocol, as the match
# tool's reference: build.sh [commit] [folder]. The commit (761f818 unless
# given) is checked out as a git worktree in the folder (build-reference/ of
# this checkout unless given); the program's path is printed last.
set -eu
commit=${1:-761f818}
here=$(cd "$(dirname "$0")" && pwd)
repo=$(git -C "$here" rev-parse --show-toplevel)
out=${2:-$repo/build-reference}
source="$out/source-$commit"
if [ ! -d "$source" ]; then
    git -C "$repo" worktree add --detach "$source" "$commit"
fi
cmake -S "$here" -B "$out/build-$commit" -G Ninja \
      -DVELTAN_REFERENCE_SOURCE="$source" -DVELTAN_REFERENCE_COMMIT="$commit"
cmake --build "$out/build-$commit" --parallel 2
echo "$out/build-$commit/veltan-reference-engine"
