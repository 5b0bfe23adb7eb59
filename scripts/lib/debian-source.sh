# Fetches and unpacks the source of one Debian package, Debian's patches
# applied, through an apt configuration of its own with deb-src entries made
# from the system's sources, so that the system's sources stay as they are.
#   debian_source WORK PACKAGE[=VERSION] FOLDER
# unpacks into WORK/FOLDER (WORK holds the apt lists and the downloads).
debian_source() {
    local work=$1 package=$2 folder=$3
    mkdir -p "$work/apt/lists/partial" "$work/apt/parts"
    if compgen -G '/etc/apt/sources.list.d/*.sources' >/dev/null; then
        sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/*.sources >"$work/apt/parts/source.sources"
    fi
    if [[ -f /etc/apt/sources.list ]]; then
        sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list >"$work/apt/parts/source.list"
    fi
    local options=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/apt/parts"
        -o "Dir::State::Lists=$work/apt/lists" -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
    [[ -f $work/apt/lists/.updated ]] || { apt-get "${options[@]}" -qq update && touch "$work/apt/lists/.updated"; }
    mkdir -p "$work/download-$folder"
    (cd "$work/download-$folder" && apt-get "${options[@]}" -qq source --download-only "$package")
    # dpkg-source applies Debian's own patch series as it unpacks.
    (cd "$work/download-$folder" && dpkg-source --no-check -x ./*.dsc "$work/$folder" >/dev/null 2>&1)
}
