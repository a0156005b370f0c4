#!/usr/bin/env bash
# A private print server for the print tests: its own cupsd, configuration, spool and
# socket under DIR, leaving the machine's own CUPS alone. Two raw queues, "Laser" (the
# server's default) and "Default", whose jobs land as files in DIR/out.
#
#   print-queue.sh start DIR   prints the socket path to use as CUPS_SERVER
#   print-queue.sh stop DIR
set -euo pipefail

command=${1:-}
dir=${2:-}
if [ -z "$command" ] || [ -z "$dir" ]; then
  echo "usage: $0 start|stop DIR" >&2
  exit 2
fi

stop() {
  if [ -f "$dir/cupsd.pid" ]; then
    kill "$(cat "$dir/cupsd.pid")" 2>/dev/null || true
    rm -f "$dir/cupsd.pid"
  fi
}

case "$command" in
stop)
  stop
  exit 0
  ;;
start) ;;
*)
  echo "unknown command: $command" >&2
  exit 2
  ;;
esac

command -v cupsd >/dev/null || { echo "cupsd is not installed" >&2; exit 1; }
[ -d /usr/lib/cups/filter ] || { echo "no CUPS filters" >&2; exit 1; }

mkdir -p "$dir"/{etc/ppd,state,cache,spool/tmp,log,out,bin/backend}
dir=$(cd "$dir" && pwd)
# The system's filters and helpers, plus one backend of ours that copies each job into
# the file its device names.
for part in /usr/lib/cups/*; do
  [ "$(basename "$part")" = backend ] || ln -sfn "$part" "$dir/bin/$(basename "$part")"
done
cat >"$dir/bin/backend/capture" <<'BACKEND'
#!/bin/sh
# capture:/path  writes the job's data to /path
[ $# -eq 0 ] && { echo 'file capture "Unknown" "Job capture"'; exit 0; }
target=${DEVICE_URI#capture:}
if [ -n "$6" ]; then cat "$6" >"$target.part"; else cat >"$target.part"; fi
mv "$target.part" "$target"
BACKEND
chmod 0755 "$dir/bin/backend/capture"
chmod 0777 "$dir/out"
chmod 0711 "$dir" "$dir/spool" 2>/dev/null || true
socket="$dir/cups.sock"

cat >"$dir/etc/cupsd.conf" <<CONF
Listen $socket
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
StateDir $dir/state
CacheDir $dir/cache
RequestRoot $dir/spool
TempDir $dir/spool/tmp
ServerBin $dir/bin
DataDir /usr/share/cups
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Sandboxing Relaxed
CONF

stop
# In the foreground of its own session, so that its process id is known for stop.
setsid cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" </dev/null >"$dir/log/cupsd.out" 2>&1 &
echo $! >"$dir/cupsd.pid"
for _ in $(seq 50); do
  [ -S "$socket" ] && break
  sleep 0.1
done
if [ ! -S "$socket" ]; then
  echo "cupsd did not open $socket" >&2
  cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
  stop
  exit 1
fi

for queue in Laser Default; do
  lpadmin -h "$socket" -p "$queue" -E -v "capture:$dir/out/$queue" -m raw 2>/dev/null \
    || { echo "cannot create the queue $queue" >&2; stop; exit 1; }
done
lpadmin -h "$socket" -d Laser
echo "$socket"
