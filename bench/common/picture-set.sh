# Sourced by the scripts that make a benchmark's picture set. A set is made
# once into its folder and marked complete only when every picture is there,
# so an interrupted run is made again rather than measured.

# Makes DIR and leaves the calling script when it already holds a complete
# set of COUNT pictures.
# Usage: picture_set_begin DIR COUNT
picture_set_begin() {
    mkdir -p "$1"
    if [[ -f $1/.complete-$2 ]]; then
        echo "$1 already holds $2 pictures"
        exit 0
    fi
}

# Marks the set of COUNT pictures in DIR complete.
# Usage: picture_set_done DIR COUNT
picture_set_done() {
    touch "$1/.complete-$2"
    echo "made $2 pictures in $1"
}
