#!/usr/bin/env bash
# A Debian 12 root of another architecture, made once from the main suite
# and kept outside the clone, for the programs the host cannot test itself:
# the 32-bit Windows program under a 32-bit Wine, the arm64 Linux program.
#
#   scripts/debian-root.sh ARCH ensure GROUP...   make it, or refresh it, with
#                                                 scripts/deps.sh's GROUPs in it
#   scripts/debian-root.sh ARCH run COMMAND...    run COMMAND in it, in the
#                                                 current folder (the clone is
#                                                 mounted at its own path)
#   scripts/debian-root.sh ARCH path              print where it lives
#
# Roots live in VELTROP_ROOTS (/var/cache/veltrop/roots by default), one per
# architecture: later runs and CI on the same machine reuse them. Only the
# main suite: its versions are consistent whatever state the security and
# update indexes are in. A root whose package index is older than the
# host's, or not updated for VELTROP_ROOT_MAX_DAYS days (7), is updated and
# upgraded in place, not made again. A root being made or refreshed holds
# its lock alone; runs share it, so that none sees a root half-upgraded.
# Runs as root (through sudo otherwise): mounts, chroot.
set -euo pipefail

suite=bookworm

usage() {
  echo "usage: $0 ARCH ensure GROUP... | ARCH run COMMAND... | ARCH path" >&2
  exit 2
}

# The mirror that serves SUITE, from `apt-get indextargets` lines
# ("URI RELEASE") on standard input: the host's own (never a fixed name).
pick_mirror() {
  awk -v suite="$1" '$2 == suite { print $1; exit }'
}
mirror() {
  apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 2>/dev/null | pick_mirror "$suite"
}

# The Date: of the suite's InRelease in an apt lists folder, in seconds; 0
# when there is none or it cannot be read.
index_date() {
  local file when
  file=$(find "$1" -maxdepth 1 -name "*_dists_${suite}_InRelease" 2>/dev/null | head -1)
  [[ -n $file ]] || { echo 0; return; }
  when=$(sed -n 's/^Date: //p' "$file" | head -1)
  [[ -n $when ]] && date -d "$when" +%s 2>/dev/null || echo 0
}

# Whether a root must be refreshed: HOST_DATE and ROOT_DATE are the Date
# of the host's and of the root's index (0: none; a mirror's Date is when
# it was published, which says nothing of when it was fetched), UPDATED when
# the root was last made or updated (0: unknown), NOW the time, MAX_AGE the
# longest a root goes without an update; all in seconds.
index_is_old() {
  local host_date=$1 root_date=$2 updated=$3 now=$4 max_age=$5
  ((root_date == 0 || updated == 0 || host_date > root_date || now - updated > max_age))
}

# A foreign architecture's programs start through qemu-user's binfmt_misc
# handler; the host's own and i386 (which a 64-bit x86 kernel starts
# itself) need none.
enable_emulation() {
  case "$arch" in
    amd64 | i386) return 0 ;;
    arm64) local handler=qemu-aarch64 ;;
    armhf | armel) local handler=qemu-arm ;;
    *) echo "debian-root: no emulator known for $arch" >&2; return 1 ;;
  esac
  local b=/proc/sys/fs/binfmt_misc
  [[ -e $b/register ]] || mount -t binfmt_misc binfmt_misc "$b"
  [[ $(head -1 "$b/$handler" 2>/dev/null) == enabled ]] || update-binfmts --enable "$handler"
}

# Runs a command in the root with /dev, /proc, /sys, a private /tmp and the
# clone (with its git folder, for a worktree) mounted; the mounts belong to
# a private mount namespace, so they go away with the command.
in_root() {
  local cwd=$PWD
  local binds=("$here")
  local git_dir
  git_dir=$(git -C "$here" rev-parse --path-format=absolute --git-common-dir 2>/dev/null || true)
  [[ -n $git_dir && $git_dir != "$here"/* ]] && binds+=("$git_dir")
  unshare --mount --propagation private -- bash -euc '
    root=$1 cwd=$2
    shift 2
    binds=()
    while [[ $1 != -- ]]; do binds+=("$1"); shift; done
    shift
    mount --rbind /dev "$root/dev"
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
    for dir in "${binds[@]}"; do
      mkdir -p "$root$dir"
      mount --bind "$dir" "$root$dir"
    done
    cp -L /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
    # The host session'"'"'s displays and buses are not reachable from inside.
    exec env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR -u DBUS_SESSION_BUS_ADDRESS \
      -u XAUTHORITY HOME=/root chroot "$root" /bin/bash -c "cd \"\$0\" && exec \"\$@\"" "$cwd" "$@"
  ' veltrop-root "$root" "$cwd" "${binds[@]}" -- "$@"
}

# apt as a test root needs it: no translated descriptions, no AppStream
# catalogue (its update hook alone takes minutes under emulation), no
# manual pages (nor man-db's index of them).
configure_apt() {
  local dir=$1
  mkdir -p "$dir/etc/apt/apt.conf.d" "$dir/etc/dpkg/dpkg.cfg.d"
  cat >"$dir/etc/apt/apt.conf.d/90veltrop" <<'EOF'
Acquire::Languages "none";
Acquire::IndexTargets::deb::DEP-11::DefaultEnabled "false";
Acquire::IndexTargets::deb::DEP-11-icons::DefaultEnabled "false";
Acquire::IndexTargets::deb::DEP-11-icons-small::DefaultEnabled "false";
#clear APT::Update::Post-Invoke-Success;
Acquire::Retries "3";
EOF
  echo 'path-exclude=/usr/share/man/*' >"$dir/etc/dpkg/dpkg.cfg.d/90veltrop"
}

make_root() {
  local url
  url=$(mirror)
  [[ -n $url ]] || { echo "debian-root: apt's sources name no mirror for $suite" >&2; return 1; }
  local packages
  packages=$("$here/scripts/deps.sh" --list "$@" | paste -sd, -)
  echo "debian-root: making the $arch root in $root (from $url, $suite main)"
  rm -rf "$root.new"
  mmdebstrap --arch="$arch" --variant=apt --include="$packages" --skip=cleanup/apt/lists \
    --setup-hook="$(declare -f configure_apt); configure_apt \"\$1\"" \
    "$suite" "$root.new" "deb $url $suite main"
  mv "$root.new" "$root"
  touch "$root.updated"
}

refresh_root() {
  local updated
  updated=$(stat -c %Y "$root.updated" 2>/dev/null || echo 0)
  if index_is_old "$(index_date /var/lib/apt/lists)" "$(index_date "$root/var/lib/apt/lists")" \
    "$updated" "$(date +%s)" $((${VELTROP_ROOT_MAX_DAYS:-7} * 86400)); then
    echo "debian-root: the $arch root's package index is old: updating it"
    if in_root sh -c 'apt-get -q update && DEBIAN_FRONTEND=noninteractive apt-get -y -q upgrade' >"$root.refresh.log" 2>&1; then
      touch "$root.updated"
      echo "debian-root: the $arch root is up to date"
    else
      echo "debian-root: could not update the $arch root (see $root.refresh.log); going on with it as it is" >&2
    fi
  fi
}

main() {
  [[ $# -ge 2 ]] || usage
  arch=$1
  local action=$2
  shift 2
  [[ $arch =~ ^[a-z0-9]+$ ]] || usage
  if [[ $(id -u) -ne 0 ]]; then
    exec sudo --preserve-env=VELTROP_ROOTS,VELTROP_ROOT_MAX_DAYS,SOURCE_DATE_EPOCH,TZ,LC_ALL,CI \
      "$0" "$arch" "$action" "$@"
  fi
  here=$(cd "$(dirname "$0")/.." && pwd)
  roots=${VELTROP_ROOTS:-/var/cache/veltrop/roots}
  root="$roots/$suite-$arch"
  local lock="$roots/$suite-$arch.lock"

  case "$action" in
    path)
      echo "$root"
      ;;
    ensure)
      mkdir -p "$roots"
      enable_emulation
      exec 9>"$lock"
      flock 9
      [[ -x $root/bin/sh ]] || make_root "$@"
      configure_apt "$root"
      refresh_root
      # Groups added since the root was made.
      in_root "$here/scripts/deps.sh" "$@" 9>&-
      ;;
    run)
      [[ $# -gt 0 ]] || usage
      [[ -x $root/bin/sh ]] || {
        echo "debian-root: no $arch root in $root (make it with: $0 $arch ensure GROUP...)" >&2
        exit 1
      }
      enable_emulation
      exec 9>"$lock"
      flock -s 9
      # Only this script holds the lock: a program the command leaves
      # running (Wine's server lingers) must not keep it.
      in_root "$@" 9>&-
      ;;
    *) usage ;;
  esac
}

# Sourced (by its tests), it only defines its functions.
[[ ${BASH_SOURCE[0]} != "$0" ]] || main "$@"
