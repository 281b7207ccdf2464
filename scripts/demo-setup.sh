# Shared by scripts/demo and the demo's start-up test: the demo database and
# the settings that point Quotadesk at it. Source after common.sh.

# The programs the demo runs, built in the same folder as everything else.
demo_targets=(Quotadesk FloatMsg AutoUpdateV1 filechanger WorkstationAddress)

# require_verified_tls <settings file> <CA file>: sets DB_TLS_REQUIRED=1 and
# DB_TLS_CA in the file's "Config" section, keeping its other keys.
require_verified_tls() {
  python3 - "$1" "$2" <<'EOF'
import os, re, sys
path, ca = sys.argv[1], sys.argv[2]
lines = open(path).read().splitlines() if os.path.exists(path) else []
lines = [l for l in lines if not re.match(r"(DB_TLS_REQUIRED|DB_TLS_CA)=", l)]
keys = ["DB_TLS_REQUIRED=1", "DB_TLS_CA=" + ca]
if "[Config]" in lines:
    at = lines.index("[Config]") + 1
    lines[at:at] = keys
else:
    lines += ([""] if lines else []) + ["[Config]"] + keys
open(path, "w").write("\n".join(lines) + "\n")
EOF
}

# prepare_demo <demo folder> <port> <build folder>: starts the demo's server
# when it is not running, loads the schema and (once) the demo data, writes the
# database host setting under <demo folder>/config (use it as XDG_CONFIG_HOME)
# and admits this workstation for the operator "demo".
prepare_demo() {
  local demo=$1 port=$2 build=$3
  mkdir -p "$demo"
  if ! mariadb-admin --no-defaults --socket="$demo/server/mysqld.sock" -uroot ping >/dev/null 2>&1; then
    start_server "$demo/server" "$port"
  fi
  load_schema "$demo/server"
  if [ ! -f "$demo/server/demo-data-loaded" ]; then
    load_demo_data "$demo/server"
    touch "$demo/server/demo-data-loaded"
  fi

  # The database host setting (read by the program as the business product's
  # setting), kept with the demo so the user's own settings stay untouched.
  local settings="$demo/config/VB and VBA Program Settings"
  mkdir -p "$settings"
  printf '[Config]\nDB_IP=127.0.0.1:%s\n' "$port" >"$settings/Tallow 업무관리.ini"
  # The program's own settings: it requires TLS and verifies the demo server
  # against the authority that signed its certificate, as a deployment should.
  # Other keys there (a remembered password) stay.
  require_verified_tls "$settings/Quotadesk.ini" "$demo/server/tls/ca.pem"

  # The address the program itself looks up, from the program's own code.
  local address
  if ! address=$("$build/tools/WorkstationAddress/WorkstationAddress"); then
    echo "demo: Quotadesk admits a workstation by the address of its first network" \
      "adapter that is up and has an IP address, and this machine has none." >&2
    return 1
  fi
  mariadb --no-defaults --socket="$demo/server/mysqld.sock" -uroot businesslog -e \
    "DELETE FROM user_mac WHERE user_id = 'demo' OR mac_addr = '$address';
     INSERT INTO user_mac VALUES ('demo', '$address', 0);"
}
