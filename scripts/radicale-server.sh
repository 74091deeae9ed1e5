# Sourced by the scripts that need a CardDAV/CalDAV server: starts Radicale on 127.0.0.1 on a
# free port, storing under $1 with the one user $2 (password $3, htpasswd in plain text), and
# stops it when the calling script ends. Sets RADICALE_URL and defines dav_put PATH TYPE FILE,
# which uploads a whole address book (text/vcard) or calendar (text/calendar) as that user.
radicale_start() {
  local store=$1
  RADICALE_USER=$2
  RADICALE_PASSWORD=$3
  mkdir -p "$store"
  printf '%s:%s\n' "$RADICALE_USER" "$RADICALE_PASSWORD" > "$store/users"
  local port
  port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  radicale --server-hosts "127.0.0.1:$port" --storage-filesystem-folder "$store/collections" \
    --auth-type htpasswd --auth-htpasswd-filename "$store/users" --auth-htpasswd-encryption plain \
    --auth-delay 0 --rights-type owner_only --logging-level warning > "$store/radicale.log" 2>&1 &
  RADICALE_PID=$!
  trap 'kill "$RADICALE_PID" 2>/dev/null; wait "$RADICALE_PID" 2>/dev/null || true' EXIT
  RADICALE_URL="http://127.0.0.1:$port"
  for _ in $(seq 100); do
    curl -s -o /dev/null "$RADICALE_URL/" && return 0
    sleep 0.1
  done
  echo "Radicale did not start; its log:" >&2
  cat "$store/radicale.log" >&2
  return 1
}

dav_put() {
  curl -sS -f -o /dev/null --noproxy '*' -u "$RADICALE_USER:$RADICALE_PASSWORD" -X PUT -H "Content-Type: $2" \
    --data-binary "@$3" "$RADICALE_URL$1"
}
