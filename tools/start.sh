#!/usr/bin/env bash
# Starts the program on the desktop. Without a display it starts a virtual X display
# (Xvfb) and a VNC server bound to the loopback address only, and says how to connect.
set -euo pipefail
program=$1
port=${2:-5901}
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$program"
fi

display=:${ARTICLE_XDISPLAY:-77}
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid ${vnc_pid:-} 2>/dev/null || true' EXIT
sleep 1
x11vnc -display "$display" -localhost -rfbport "$port" -forever -shared -nopw -quiet >/dev/null 2>&1 &
vnc_pid=$!

echo "No display found: the program runs on the virtual display $display."
echo "Connect a VNC viewer to 127.0.0.1:$port (only this machine can reach it;"
echo "from elsewhere tunnel it, e.g. ssh -L $port:127.0.0.1:$port this-host)."
echo "Stop with Ctrl+C."
DISPLAY=$display "$program"
