# Shared by scripts/run, scripts/test and scripts/bench: Debian packages and the build.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

BUILD_PACKAGES=(cmake ninja-build g++ pkg-config python3 libicu-dev qt6-base-dev qt6-wayland
                libstartup-notification0-dev libxcb-xtest0-dev libwayland-dev fonts-noto-color-emoji scdoc
                unicode-data unicode-cldr-core appstream)
TEST_PACKAGES=(libgtest-dev clang libclang-rt-dev clang-format xvfb openbox trayer xdotool xclip x11-utils x11-xserver-utils
               gir1.2-gtk-3.0 imagemagick desktop-file-utils
               dbus-daemon dbus-bin at-spi2-core python3-pyatspi sway wtype wl-clipboard
               dpkg-dev file lintian man-db)
BENCH_PACKAGES=(libbenchmark-dev xvfb openbox trayer x11-utils xdotool gir1.2-gtk-3.0 python3-gi libx11-dev libxtst-dev libxdamage-dev sway wtype
                dbus-daemon)

# Installs whatever of the named Debian packages is missing.
ensure_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    # One at a time, should two of these scripts run side by side; another apt is waited for.
    (
        flock 9
        "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=900 update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=900 install -y -qq \
            --no-install-recommends "${missing[@]}"
    ) 9>/tmp/zindozindo-apt.lock
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}
