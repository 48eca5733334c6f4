#!/bin/sh
# Runs a test program as an ordinary user, so that what holds only for users who
# may not write everywhere (a folder without write permission, say) is checked
# when the tests run as root too. The program is copied to a temporary folder
# that the user can reach, with a home, runtime, config, data and cache folder
# of its own there. Exit 77 means "skipped", with the reason printed.
#   run-as-user.sh PROGRAM [ARGUMENTS...]
set -eu

program=$1
shift
user=nobody

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: the tests already run as an ordinary user; their own run covers this"
    exit 77
fi
if ! command -v setpriv >/dev/null 2>&1 || ! id "$user" >/dev/null 2>&1; then
    echo "SKIP: no way to become an ordinary user here (needs setpriv and the user $user)"
    exit 77
fi

place=$(mktemp -d "${TMPDIR:-/tmp}/rationix-as-user.XXXXXX")
trap 'rm -rf "$place"' EXIT INT TERM
chmod 0755 "$place"
cp "$program" "$place/"
for d in home runtime config data cache tmp; do mkdir -p "$place/$d"; done
chmod 0700 "$place/runtime"
chown -R "$user" "$place/home" "$place/runtime" "$place/config" "$place/data" "$place/cache" \
    "$place/tmp"

# A sanitizer build's suppressions file may sit where the user cannot read it.
if [ -n "${LSAN_OPTIONS:-}" ]; then
    supp=$(printf '%s\n' "$LSAN_OPTIONS" | tr ':' '\n' | sed -n 's/^suppressions=//p')
    if [ -n "$supp" ]; then
        cp "$supp" "$place/lsan.supp"
        chmod 0644 "$place/lsan.supp"
        LSAN_OPTIONS=$(printf '%s\n' "$LSAN_OPTIONS" | sed "s|suppressions=[^:]*|suppressions=$place/lsan.supp|")
        export LSAN_OPTIONS
    fi
fi

cd "$place/tmp"
set +e
setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups \
    env HOME="$place/home" XDG_RUNTIME_DIR="$place/runtime" XDG_CONFIG_HOME="$place/config" \
        XDG_DATA_HOME="$place/data" XDG_CACHE_HOME="$place/cache" TMPDIR="$place/tmp" \
        "$place/$(basename "$program")" "$@"
status=$?
set -e
exit $status
