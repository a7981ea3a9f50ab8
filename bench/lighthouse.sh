#!/usr/bin/env bash
# Lighthouse's audits of the browser front-end: builds the site, serves it as a host would
# (compressed, through scripts/serve-site.py) and runs Lighthouse on Debian's Chromium with its
# mobile preset (a mid-range phone, CPU slowed 4 times, a slow 4G network) and its desktop preset;
# prints the four scores, the timings and every audit that is not passed. A benchmark: it prints
# figures and fails only when it cannot run. Lighthouse itself comes from npm, into
# build/bench/lighthouse; everything else is Debian's.
#
#   ./bench/lighthouse.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
ensure_packages "${WEB_BUILD_PACKAGES[@]}" chromium
command -v npm >/dev/null || ensure_packages npm

export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
cmake --preset web >/dev/null
cmake --build --preset web --target tallies_site >/dev/null

tools=build/bench/lighthouse
if [ ! -x "$tools/node_modules/.bin/lighthouse" ]; then
  mkdir -p "$tools"
  npm install --prefix "$tools" --no-audit --no-fund --silent lighthouse@12
fi

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 scripts/serve-site.py build/web/site "$port" 127.0.0.1 >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null' EXIT
sleep 1

for preset in mobile desktop; do
  flags=()
  [ "$preset" = desktop ] && flags=(--preset=desktop)
  report="$tools/$preset.json"
  CHROME_PATH=/usr/bin/chromium "$tools/node_modules/.bin/lighthouse" "http://127.0.0.1:$port/" \
    "${flags[@]}" --chrome-flags="--headless=new --no-sandbox --disable-gpu" \
    --output=json --output-path="$report" --quiet
  python3 - "$preset" "$report" <<'PY'
import json, sys
preset, report = sys.argv[1], json.load(open(sys.argv[2]))
scores = {c["title"]: round(c["score"] * 100) for c in report["categories"].values()}
print(f"== {preset}: " + ", ".join(f"{title} {score}" for title, score in scores.items()))
audits = report["audits"]
for key in ("first-contentful-paint", "largest-contentful-paint", "total-blocking-time",
            "cumulative-layout-shift", "speed-index", "interactive"):
    print(f"   {audits[key]['title']}: {audits[key].get('displayValue', '-')}")
for category in report["categories"].values():
    for ref in category["auditRefs"]:
        audit = audits[ref["id"]]
        if ref.get("weight", 0) > 0 and audit["score"] is not None and audit["score"] < 1:
            print(f"   not passed ({category['title']}): {audit['title']} "
                  f"{audit.get('displayValue', '')}".rstrip())
PY
done
