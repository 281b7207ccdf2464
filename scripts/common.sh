# Shared by scripts/test, scripts/demo and scripts/bench: building and a
# private MariaDB server on loopback.
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# build_project <folder> [target...]: configures the folder the same way for
# every script, so that one build serves them all, and builds the targets
# (every target when none is named).
build_project() {
  local dir=${1:-$top/build}
  shift || true
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} ${CMAKE_EXTRA:-} >/dev/null
  cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
}

# free_ports <n>: n different TCP ports free on loopback, one a line, outside
# the range the system hands out for port 0 and for outgoing connections. A
# server that is stopped and started again on its port, and a cluster node
# that binds some of its ports only while it joins, would otherwise find them
# taken in between by any program that listened on port 0.
free_ports() {
  python3 - "$1" <<'EOF'
import random, socket, sys
wanted = int(sys.argv[1])
try:
    with open("/proc/sys/net/ipv4/ip_local_port_range") as f:
        low, high = map(int, f.read().split())
except OSError:
    low, high = 32768, 60999
# Where the system hands out every port, port 0 is all there is.
ports = [p for p in range(10000, 65536) if not low <= p <= high] or [0]
found = []
for port in random.sample(ports, min(1000, len(ports))):
    s = socket.socket()
    try:
        s.bind(("127.0.0.1", port))
        found.append(s.getsockname()[1])
    except OSError:
        pass
    finally:
        s.close()
    if len(found) == wanted:
        print("\n".join(map(str, found)))
        break
else:
    raise SystemExit("free_ports: not enough free ports on loopback")
EOF
}

free_port() { free_ports 1; }

mariadb_bin() {
  command -v mariadbd || command -v mysqld || { [ -x /usr/sbin/mariadbd ] && echo /usr/sbin/mariadbd; }
}

# make_tls_files <folder>: a certificate authority made here and the server's
# certificate signed by it, for 127.0.0.1 and localhost, in <folder>/tls
# (ca.pem, server-cert.pem, server-key.pem). Kept when already there.
make_tls_files() {
  local tls=$1/tls
  [ -f "$tls/server-cert.pem" ] && return 0
  mkdir -p "$tls"
  openssl req -x509 -newkey rsa:2048 -nodes -days 3650 -subj "/CN=Quotadesk private CA" \
    -keyout "$tls/ca-key.pem" -out "$tls/ca.pem" 2>/dev/null
  openssl req -newkey rsa:2048 -nodes -subj "/CN=127.0.0.1" \
    -keyout "$tls/server-key.pem" -out "$tls/server.csr" 2>/dev/null
  printf 'subjectAltName=IP:127.0.0.1,DNS:localhost\n' >"$tls/san.ext"
  openssl x509 -req -in "$tls/server.csr" -CA "$tls/ca.pem" -CAkey "$tls/ca-key.pem" -CAcreateserial \
    -days 3650 -extfile "$tls/san.ext" -out "$tls/server-cert.pem" 2>/dev/null
  chmod 600 "$tls/ca-key.pem" "$tls/server-key.pem"
}

# start_server <folder> <port>: initialises the folder when new, starts the
# server on 127.0.0.1:<port> with its socket in the folder and TLS from
# make_tls_files, waits until ready.
start_server() {
  local dir=$1 port=$2 user_opt=()
  [ "$(id -u)" -eq 0 ] && user_opt=(--user=root)
  mkdir -p "$dir"
  make_tls_files "$dir"
  if [ ! -d "$dir/data/mysql" ]; then
    mariadb-install-db --no-defaults "${user_opt[@]}" --datadir="$dir/data" \
      --auth-root-authentication-method=normal >"$dir/install.log" 2>&1 \
      || { cat "$dir/install.log"; return 1; }
  fi
  "$(mariadb_bin)" --no-defaults "${user_opt[@]}" --datadir="$dir/data" \
    --bind-address=127.0.0.1 --port="$port" --socket="$dir/mysqld.sock" \
    --pid-file="$dir/mysqld.pid" --log-error="$dir/error.log" \
    --character-set-server=utf8mb4 --skip-name-resolve --innodb-buffer-pool-size=256M \
    --innodb-flush-log-at-trx-commit=2 \
    --ssl-ca="$dir/tls/ca.pem" --ssl-cert="$dir/tls/server-cert.pem" --ssl-key="$dir/tls/server-key.pem" &
  for _ in $(seq 1 100); do
    mariadb-admin --no-defaults --socket="$dir/mysqld.sock" -uroot ping >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  echo "MariaDB did not start; its log:" >&2
  cat "$dir/error.log" >&2
  return 1
}

stop_server() {
  local dir=$1
  [ -f "$dir/mysqld.pid" ] || return 0
  mariadb-admin --no-defaults --socket="$dir/mysqld.sock" -uroot shutdown >/dev/null 2>&1 \
    || kill "$(cat "$dir/mysqld.pid")" 2>/dev/null || true
}

# load_schema <folder>: the account and the tables (every statement is idempotent).
load_schema() {
  local dir=$1
  for f in "$top"/schema/0*.sql; do
    mariadb --no-defaults --socket="$dir/mysqld.sock" -uroot <"$f"
  done
}

# load_demo_data <folder>: the demo operators, customers and history.
load_demo_data() {
  mariadb --no-defaults --socket="$1/mysqld.sock" -uroot <"$top/schema/demo_data.sql"
}
