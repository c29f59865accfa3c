# Sourced by the set-up scripts: installs the Debian packages the build needs,
# skipping those already present.

BUILD_PACKAGES=(g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev
                qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation)

# The tests: Windows' own "MS Sans Serif", as Wine carries it, for the window
# test that draws every caption with it; Python, which runs the documents'
# examples, groff, which prints the manual pages for it, and faketime, which
# fixes the date of the examples that show today's; dateutils and GNU time,
# for a short run of the batch benchmark.
TEST_PACKAGES=(fonts-wine python3 groff-base faketime dateutils time)

# Building the Debian packages (cpack's DEB generator runs dpkg-shlibdeps and
# file) and checking them, the desktop data and the installed libraries.
PACKAGING_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream pkgconf)

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [[ ${#missing[@]} -eq 0 ]] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
}
