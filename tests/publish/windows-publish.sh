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
# libssh2 on mbed TLS has no ed25519; hosting servers offer an RSA key as well.
export TARGELLO_PUBLISH_HOST_KEY=${TARGELLO_PUBLISH_HOST_KEY:-rsa}
export TARGELLO_PUBLISH_PROGRAM="'$wine_run' '$windows_export'"
exec "$server_tests" "$@"
