# Sourced by the benchmark scripts: Release builds of lumora-solve without the
# Qt front end and tests, of this checkout and of an earlier commit, in a work
# folder. Needs git, cmake, ninja and a C++ compiler; ccache when it is there.

launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)

# One Release build of the given targets: release_build SOURCE BUILD-DIR TARGET...
release_build() {
    local src=$1 dir=$2
    shift 2
    cmake -S "$src" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMORA_QT=OFF \
        -DLUMORA_TESTS=OFF "${launcher[@]}" > "$dir.configure.log" 2>&1 ||
        { cat "$dir.configure.log" >&2; exit 1; }
    cmake --build "$dir" -j2 --target "$@" > "$dir.build.log" 2>&1 ||
        { tail -40 "$dir.build.log" >&2; exit 1; }
}

# The tree of COMMIT, fresh in DIR: checkout_commit ROOT COMMIT DIR
checkout_commit() {
    local root=$1 commit=$2 dir=$3
    rm -rf "$dir"
    mkdir -p "$dir"
    git -C "$root" archive "$commit" | tar -x -C "$dir"
}
