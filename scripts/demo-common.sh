# Sourced by the demo scripts, from the project folder.

# Installs what is missing, builds, and makes the demo in the data home $1.
demo_build() {
  bash scripts/install-deps.sh
  cmake --preset dev
  cmake --build --preset dev -j "$(nproc)"
  bash scripts/make-demo.sh "$PWD/build/dev/bin" "$1"
}

# Starts the wizard on the demo in the data home $1; without a display it says so and runs the
# same migration headless with velmora-batch (given the remaining arguments) instead.
demo_start() {
  local demo_home=$1
  shift
  export XDG_DATA_HOME="$demo_home"
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    ./build/dev/bin/velmora
    return
  fi
  echo "There is no display to show the wizard on; running the demo migration headless instead."
  ./build/dev/bin/velmora-batch "$@"
  echo
  echo "The ACT! database now holds:"
  ./build/dev/bin/velmora-actpad list "$demo_home/corvane/VLACT/Demo.pad" contacts
  echo "Migration log: $demo_home/corvane/VLACT/VLLog.txt"
}
