# Fetches and unpacks the source of one Debian package, Debian's patches
# applied, through an apt configuration of its own with deb-src entries made
# from the system's sources, so that the system's sources stay as they are.
#   debian_source WORK PACKAGE[=VERSION] FOLDER [SUITE]
# unpacks into WORK/FOLDER (WORK holds the apt lists and the downloads). With
# SUITE (say trixie), the source comes from that suite of Debian's main
# archive alone instead, for a package newer than the system's release has.
debian_source() {
    local work=$1 package=$2 folder=$3 suite=${4:-}
    mkdir -p "$work/apt/lists/partial" "$work/apt/parts"
    if [[ -n $suite ]]; then
        printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' "Suites: $suite" \
            'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' \
            >"$work/apt/parts/source.sources"
    else
        debian_system_sources "$work/apt/parts"
    fi
    local options
    debian_apt_options "$work"
    [[ -f $work/apt/lists/.updated ]] || { apt-get "${options[@]}" -qq update && touch "$work/apt/lists/.updated"; }
    mkdir -p "$work/download-$folder"
    (cd "$work/download-$folder" && apt-get "${options[@]}" -qq source --download-only "$package")
    # dpkg-source applies Debian's own patch series as it unpacks.
    (cd "$work/download-$folder" && dpkg-source --no-check -x ./*.dsc "$work/$folder" >/dev/null 2>&1)
}

# The apt options of WORK's own configuration, into the caller's array options.
debian_apt_options() {
    options=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$1/apt/parts"
        -o "Dir::State::Lists=$1/apt/lists" -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
}

# Prints the source versions of PACKAGE that WORK's lists name, newest first
# (after a debian_source, which reads the lists).
#   debian_source_versions WORK PACKAGE
debian_source_versions() {
    local options
    debian_apt_options "$1"
    apt-cache "${options[@]}" showsrc "$2" | sed -n 's/^Version: //p' | sort -urV
}

# The system's own entries, turned into deb-src ones, written into PARTS.
debian_system_sources() {
    local parts=$1
    if compgen -G '/etc/apt/sources.list.d/*.sources' >/dev/null; then
        sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/*.sources >"$parts/source.sources"
    fi
    if [[ -f /etc/apt/sources.list ]]; then
        sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list >"$parts/source.list"
    fi
}
