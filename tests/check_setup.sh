#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The set-up's package step against a stand-in apt-get: an update that fails on one index (as a
# mirror in sync does) is reported in one line and the install goes on; a failed install stops
# the set-up and names what is missing and apt's reason; without root and sudo, the command it
# prints installs the packages when pasted as it stands.
# Usage: check_setup.sh SOURCE_DIR
set -u
src=$1
source "$src/scripts/check_common.sh"

# A PATH of its own: the few tools the set-up uses, the stand-ins, and no sudo.
mkdir "$work/bin"
for tool in bash dpkg-query grep sed sort mktemp cat tee tail head rm; do
    ln -s "$(command -v $tool)" "$work/bin/$tool"
done
cat >"$work/bin/apt-get" <<'STANDIN'
#!/bin/bash
echo "apt-get $*" >>"$CALLS"
case $1 in
update)
    echo "E: Failed to fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-amd64/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
    exit 100 ;;
install)
    for pkg; do
        [ "$pkg" = kalvoran-nirgends ] && { echo "E: Unable to locate package $pkg"; exit 100; }
    done
    exit 0 ;;
esac
STANDIN
printf '#!/bin/bash\n[ "$1" = -u ] && echo "$UID_SEEN" || exec /usr/bin/id "$@"\n' >"$work/bin/id"
printf '#!/bin/bash\n[ "$1" = -c ] && UID_SEEN=0 exec bash -c "$2"\n' >"$work/bin/su"
chmod +x "$work/bin/"*

# setup UID PACKAGES...: runs kalvoran_setup as that user; sets out, status and calls.
setup() {
    local uid=$1
    shift
    : >"$work/calls"
    out=$(cd "$work" && PATH="$work/bin" CALLS="$work/calls" UID_SEEN=$uid \
        bash -c 'source "$0"; kalvoran_setup "$@"; echo "set-up done"' "$src/scripts/setup.sh" "$@" 2>&1)
    status=$?
    calls=$(cat "$work/calls")
}

setup 0 kalvoran-probe wine64
[ $status -eq 0 ] && grep -qx 'set-up done' <<<"$out" || fail "a failed update stopped the set-up: $out"
[ "$(grep -c 'apt-get update' <<<"$out")" -eq 1 ] && grep -q 'Mirror sync in progress' <<<"$out" ||
    fail "the failed update is not said in one line: $out"
grep -qx 'apt-get install -y -q --no-install-recommends kalvoran-probe' <<<"$calls" ||
    fail "installed: $calls"

setup 0 kalvoran-probe kalvoran-nirgends
[ $status -ne 0 ] && ! grep -q 'set-up done' <<<"$out" || fail "a failed install went on: $out"
grep -q '^Nicht installiert: kalvoran-probe kalvoran-nirgends\.' <<<"$out" &&
    grep -q '^E: Unable to locate package kalvoran-nirgends' <<<"$out" ||
    fail "a failed install does not name the packages and apt's reason: $out"

setup 1000 kalvoran-probe
[ $status -ne 0 ] && [ -z "$calls" ] || fail "without root and sudo it ran apt-get: $calls"
command=$(tail -n1 <<<"$out")
(cd "$work" && PATH="$work/bin" CALLS="$work/calls" bash -c "$command") >/dev/null
grep -qx 'apt-get install -y --no-install-recommends kalvoran-probe' "$work/calls" ||
    fail "the printed command '$command' does not install: $(cat "$work/calls")"

finish set-up
