"""Sound profile files, a macro library and macro files written before the tool starts, for the
end-to-end tests that begin from files of their own."""
import os
import random

from damaged_files import Ini, sound_profile

FACTORY_FUNCTIONS = [1, 2, 3, 4, 5, 48, 49, 12]


def write_ini(path, ini):
    with open(path, "wb") as out:
        out.write(ini.text().encode("ascii"))


def write_profiles(data_folder, buttons, seed=1):
    """Five sound profile files with GroupID 0; buttons[k] maps a button record (0 to 7) of
    profile k to (function, slot, macro name), the others keep the factory functions."""
    rng = random.Random(seed)
    os.makedirs(os.path.join(data_folder, "MacroDB"), exist_ok=True)
    for k in range(5):
        ini = sound_profile(rng, k, [])[0]
        for b in range(8):
            function, slot, name = buttons.get(k, {}).get(b, (FACTORY_FUNCTIONS[b], 0, ""))
            section = "ButtonAssigned_%d" % (b + 1)
            ini.set(section, "ButtonFunc", function)
            ini.set(section, "KeyNumber", slot)
            ini.set(section, "MacroName", name)
        write_ini(os.path.join(data_folder, "RSProfile%d.pfd" % (k + 1)), ini)


def write_library(data_folder, names):
    """The library with `names` in slots 0, 1, ..., the device present, and one macro file each."""
    folder = os.path.join(data_folder, "MacroDB")
    os.makedirs(folder, exist_ok=True)
    library = Ini()
    for slot, name in enumerate(names):
        library.set("MACRO_LIST", str(slot), name)
        macro = Ini()
        macro.set("Setting", "LoopTime", 1)
        write_ini(os.path.join(folder, name + ".MSMACRO"), macro)
    library.set("Setting", "Device", 1)
    write_ini(os.path.join(folder, "MacroSet.MSDB"), library)
