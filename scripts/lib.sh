# Shared by scripts/run and scripts/test. Sourced, not run.

VOCALUNE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Prints the packages of scripts/debian-packages tagged with any of the given uses.
vocalune_packages() {
    local uses=" $* "
    grep -v '^[[:space:]]*#' "$VOCALUNE_ROOT/scripts/debian-packages" | while read -r pkg tags; do
        [ -n "$pkg" ] || continue
        for tag in $tags; do
            case "$uses" in *" $tag "*) echo "$pkg"; break ;; esac
        done
    done
}

# Installs whatever is missing of the packages for the given uses.
vocalune_ensure_packages() {
    local missing=()
    local pkg
    for pkg in $(vocalune_packages "$@"); do
        if [ "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null)" != "install ok installed" ]; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing Debian packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then
            sudo=(sudo)
        else
            echo "These packages are missing and this is not root: ${missing[*]}" >&2
            return 1
        fi
    fi
    "${sudo[@]}" apt-get update -qq || return 1
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds into the given directory with the extra CMake arguments.
vocalune_build() {
    local dir="$1"; shift
    # Rebuilds of several trees of the same sources are much quicker through ccache.
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$VOCALUNE_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}" "${launcher[@]}" "$@" &&
        cmake --build "$dir" --parallel "$(nproc)"
}
