#!/usr/bin/env bash
# The publish benchmark: makes the 100 photos and their modern export once
# (as bench/modern/run.sh does), then publishes that export to a vsftpd
# (FTPS) and an sshd (SFTP) on 127.0.0.1 and times lftp's "mirror -R" of the
# same folder beside it. Needs root: the servers log in a test user.
# Usage: bench/publish/run.sh BUILD_DIR [WORK_DIR]
set -euo pipefail
build=${1:?build directory}
work=${2:-/tmp/targello-bench/publish}
here=$(cd "$(dirname "$0")" && pwd)
pictures=/tmp/targello-bench/modern-photos
export_dir=/tmp/targello-bench/modern-output
"$here/../modern/make-photos.sh" "$pictures" 100
command -v lftp >/dev/null || { echo "lftp is missing: apt-get install lftp" >&2; exit 1; }
cmake --build "$build" --target bench_modern bench_publish >/dev/null
[[ -f "$export_dir/sklep.html" ]] || "$build/bench/modern/bench_modern" "$pictures" "$export_dir" >/dev/null
mkdir -p "$work"
"$build/bench/publish/bench_publish" "$export_dir" "$work"
