#!/usr/bin/env bash
# Installs what is missing, builds, puts Zandorio in the desktop's applications menu for the
# current user, and starts the program on its program folder (build/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

# The build lays the menu entry and the icons out under build/share as a user's data folder holds
# them; they are copied into this user's own data folder, and nowhere else. Files already there
# and equal are left untouched, so running this again changes nothing.
install_menu_entry() {
    local data_home="${XDG_DATA_HOME:-}"
    if [[ "$data_home" != /* ]]; then
        [[ "${HOME:-}" == /* ]] || return 1
        data_home="$HOME/.local/share"
    fi
    local file target changed=""
    while IFS= read -r -d '' file; do
        target="$data_home/${file#build/share/}"
        if ! cmp -s "$file" "$target"; then
            install -D -m 644 "$file" "$target" || return 1
            changed=yes
        fi
    done < <(find build/share -type f -print0)
    # Menus and icon caches notice new pictures by the time of the theme's folder.
    [ -z "$changed" ] || touch "$data_home/icons/hicolor"
}
install_menu_entry || echo "Zandorio was not added to the applications menu; it starts all the same." >&2

exec build/bin/zandorio "$@"
