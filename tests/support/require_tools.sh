# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests that drive real programs: require_tools fails, naming
# each tool it cannot find, so that a machine without them fails the test
# rather than passing it unrun. tools/install-dependencies.sh installs them.
require_tools() {
    local missing=()
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "missing: ${missing[*]} (tools/install-dependencies.sh installs them)" >&2
        return 1
    fi
}
