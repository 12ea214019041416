# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program in the user's language (run inside desktop-session.sh).

    language_e2e.py PROGRAM_DIR MAKE_LOCALE

Starts the program with LANGUAGE=de and LC_ALL=de_DE.UTF-8, the locale compiled by MAKE_LOCALE
into the session's folder, and reads its German buttons and menus through AT-SPI; the events
it lists stay as the file has them.
"""

import os
import subprocess
import sys

from features_e2e import find
from startup_e2e import Program, check, list_cells, run_case, wait_for, wait_on_bus


def case_german(program):
    locales = subprocess.run([sys.argv[2], os.path.join(program.root, "locales"), "de_DE.UTF-8"], check=True,
                             capture_output=True, text=True).stdout.strip()
    program.env.update(LANGUAGE="de", LC_ALL="de_DE.UTF-8", LANG="de_DE.UTF-8", LOCPATH=locales)
    process = program.start()
    try:
        app = wait_on_bus(process)
        wait_for('the button "Beenden"', lambda: find(app, "push button", "Beenden"), 15)
        check(find(app, "menu item", "Einstellungen") is not None, 'no menu item "Einstellungen"')
        check(find(app, "push button", "Exit") is None, 'the English button "Exit" is still there')
        wait_for("the events, untranslated", lambda: "Call Mum" in list_cells(app) and "None Every" in list_cells(app),
                 15)
    finally:
        process.kill()
        process.wait()


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    sys.exit(run_case("german", case_german, Program(sys.argv[1])))
