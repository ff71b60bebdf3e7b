#!/usr/bin/env bash
# Lumidex developer entry point.
#   ./dev.sh run [switches]   install what is missing, build, start the program
#   ./dev.sh test             install what is missing, build, run every test
#   ./dev.sh build            install what is missing and build
#   ./dev.sh bench            build and run the benchmarks
#   ./dev.sh startup [runs]   build, then compare start-up with a bare Qt window (Xvfb)
#   ./dev.sh package          build the Debian package build/lumidex_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")"

BUILD_DIR=${LUMIDEX_BUILD_DIR:-build}
PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgtest-dev
          libbenchmark-dev nlohmann-json3-dev qt6-l10n-tools)
# The package step also needs dpkg-shlibdeps (dpkg-dev) and the checkers CI runs on the package.
PACKAGE_TOOLS=(dpkg-dev lintian desktop-file-utils appstream)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "dev.sh: installing ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

build() {
    install_missing "$@"
    if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
        local launcher=()
        # Rebuilds in several work trees share one compiler cache where there is one.
        command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
    fi
    cmake --build "$BUILD_DIR" --parallel 2
}

command=${1:-run}
[ $# -gt 0 ] && shift
case "$command" in
run)
    build
    exec "$BUILD_DIR/bin/lumidex" "$@"
    ;;
test)
    build
    ctest --test-dir "$BUILD_DIR" --output-on-failure --parallel 2
    ;;
build)
    build
    ;;
bench)
    build
    "$BUILD_DIR/bin/lumidex_bench" "$@"
    ;;
startup)
    build xvfb
    LUMIDEX_BUILD_DIR=$BUILD_DIR exec bench/startup_compare.sh "$@"
    ;;
package)
    build "${PACKAGE_TOOLS[@]}"
    # Dated by the last commit, as the changelog is: one commit, one package.
    if [ -z "${SOURCE_DATE_EPOCH:-}" ] && git rev-parse --git-dir >/dev/null 2>&1; then
        SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
        export SOURCE_DATE_EPOCH
    fi
    (cd "$BUILD_DIR" && cpack -G DEB)
    ;;
*)
    echo "usage: ./dev.sh run [switches] | test | build | bench | startup [runs] | package" >&2
    exit 2
    ;;
esac
