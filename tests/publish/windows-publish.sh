#!/usr/bin/env bash
# Publishes with the Windows targello-export under wine to the same real
# servers on 127.0.0.1 as the Linux one: the Linux build's server tests start
# the servers and check what arrives, and run the Windows program instead of
# their own.
set -euo pipefail
wine_run=$1 windows_export=$2 server_tests=$3
shift 3

if [[ ! -x $server_tests ]]; then
    echo "No publish_server_tests at $server_tests to drive the servers: build the ci preset first."
    exit 77
fi
"$wine_run" cmd /c exit # the first program under wine makes the prefix
# The password also comes on standard input, which wine then must reach.
export TARGELLO_WINE_CONSOLE=1
# Plain FTP only: the libcurl 7.88 of Debian 12 on Schannel never sees a
# listing arrive on vsftpd's FTPS data connection (it waits until the
# connection is given up), and its libssh2 1.10 on WinCNG has neither the
# ed25519 nor the SHA-2 RSA host keys an OpenSSH of today offers.
export TARGELLO_PUBLISH_SERVERS=${TARGELLO_PUBLISH_SERVERS:-ftp}
export TARGELLO_PUBLISH_PROGRAM="'$wine_run' '$windows_export'"
exec "$server_tests" "$@"
