#!/usr/bin/env bash
# A private print queue for checking printouts by hand: a cupsd of its own (run as root)
# with one cups-pdf queue "zs-pdf", in a folder of its own, so the machine's CUPS is left
# alone. Start the program with CUPS_SERVER set as printed, print, then look at the job:
#   lpstat -W completed -o; grep zs-pdf "$DIR/log/page_log"   (name, paper of each job)
# cups-pdf writes the PDF under ~/PDF of the user it runs as (root: /root/PDF).
#   bash scripts/print_queue.sh start DIR   |   bash scripts/print_queue.sh stop DIR
set -euo pipefail
cmd=${1:?start or stop}
dir=$(realpath -m "${2:?folder}")
if [ "$cmd" = stop ]; then
  kill "$(cat "$dir/cupsd.pid")"
  exit 0
fi
mkdir -p "$dir"/{etc,spool,cache,state,log,tmp}
cat > "$dir/etc/cupsd.conf" <<CONF
LogLevel info
Listen $dir/cups.sock
WebInterface no
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
User lp
Group lp
SystemGroup root
CONF
chown root:lp "$dir/spool" "$dir/cache" "$dir/tmp"
chmod 1770 "$dir/spool" "$dir/tmp"
cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" > "$dir/log/cupsd.out" 2>&1 &
echo $! > "$dir/cupsd.pid"
export CUPS_SERVER="$dir/cups.sock"
for _ in $(seq 50); do [ -S "$CUPS_SERVER" ] && break; sleep 0.1; done
lpadmin -p zs-pdf -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
lpadmin -d zs-pdf
echo "export CUPS_SERVER=$CUPS_SERVER"
