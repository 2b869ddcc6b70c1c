#!/bin/sh
# The top-level Makefile: a configure step that fails must not leave the
# build directory looking configured, so the next `make build` configures
# again instead of failing for good. CMake is replaced by a stand-in that
# writes a cache and fails until it is told to succeed.
set -u
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/cmake" <<'STANDIN'
#!/bin/sh
if [ "$1" = "--build" ]; then touch "$2/built"; exit 0; fi
while [ $# -gt 0 ]; do
    if [ "$1" = "-B" ]; then mkdir -p "$2" && : >"$2/CMakeCache.txt"; fi
    shift
done
[ -e "$(dirname "$0")/succeed" ]
STANDIN
chmod +x "$work/cmake"

fail() { echo "FAIL: $1"; exit 1; }
run_make() { make -s -C "$source_dir" "$@" BUILD="$work/build" CMAKE="$work/cmake" >/dev/null 2>&1; }

run_make build && fail "the build went on after a failed configure"
[ -e "$work/build/CMakeCache.txt" ] && fail "a failed configure left CMakeCache.txt"
[ -e "$work/build/.configured" ] && fail "a failed configure left the stamp"

touch "$work/succeed"
run_make build || fail "the build after a good configure failed"
[ -e "$work/build/.configured" ] || fail "a good configure wrote no stamp"
[ -e "$work/build/built" ] || fail "the build step did not run"
echo "ok"
