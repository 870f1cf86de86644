# Sourced by scripts/run and scripts/test: installs the Debian packages the build needs when missing.

# libxlsxwriter writes the results workbook; zlib inflates .xlsx workbooks and expat reads their XML;
# FreeXL reads .xls workbooks; libcsv splits imported CSV and TSV files into fields.
kolbex_build_packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev libxlsxwriter-dev zlib1g-dev
  libexpat1-dev libfreexl-dev libcsv-dev)
# The desktop program: Qt 6 Widgets (with its offscreen platform for the window tests) and the
# Liberation Sans Narrow font that stands in for Arial Narrow; Qt SVG for the diagrams.
kolbex_gui_packages=(qt6-base-dev qt6-svg-dev qt6-qpa-plugins fonts-liberation)

# ensure_packages PACKAGE...: apt-get update once, then install what is not installed yet.
ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing ${missing[*]}" >&2
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "These Debian packages are missing and installing them needs root: ${missing[*]}" >&2
      return 1
    fi
  fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}
