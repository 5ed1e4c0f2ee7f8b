# Installs the Debian packages that building, testing and running need, when missing.
# Sourced by run.sh and test.sh.

VESPERON_PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev
    libgtest-dev fonts-dejavu-core
    fonts-dejavu-extra
)

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "${VESPERON_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
