#!/usr/bin/python3
"""Checks the program and the installer against Windows' binary and manifest guidance: imports
only from DLLs Windows always takes from its own folder (its KnownDLLs, and the common controls,
which the manifest sends to the system's side-by-side copy), the loader's protections, no section
both writable and executable, the manifest's entries, and in the program the stack protector,
checked C library calls with a guard of its own, the first call into it restricting the DLL search,
no time stamp, the load configuration and its size. The linker's map beside the program says
where its functions are. Usage: check-binaries.py [PROGRAM [INSTALLER]] (by default the build's
and the release's).
Debian's Python, for python3-pefile."""
import glob
import os
import re
import sys
import xml.etree.ElementTree as ElementTree

import pefile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
KNOWN_DLLS = {'advapi32', 'clbcatq', 'combase', 'comdlg32', 'coml2', 'difxapi', 'gdi32', 'gdiplus',
              'imagehlp', 'imm32', 'kernel32', 'msctf', 'msvcrt', 'normaliz', 'nsi', 'ole32',
              'oleaut32', 'psapi', 'rpcrt4', 'sechost', 'setupapi', 'shcore', 'shell32', 'shlwapi',
              'user32', 'wldap32', 'ws2_32'}
ALLOWED_IMPORTS = KNOWN_DLLS | {'comctl32'}
VISTA = '{e2011457-1546-43c5-a5fe-008deee3d3f0}'
SUPPORTED_OS = {'{35138b9a-5d96-4fbd-8e2d-a2440225f93a}': '7',
                '{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}': '8', '{1f676c76-80e1-4239-95bb-83d0f6d0da78}': '8.1',
                '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}': '10 and 11'}
DYNAMIC_BASE, HIGH_ENTROPY_VA, NX_COMPAT = 0x40, 0x20, 0x100
LOAD_LIBRARY_SEARCH_SYSTEM32 = 0x800
failures = []


def check(what, condition):
    print(('ok   ' if condition else 'FAIL ') + what)
    if not condition:
        failures.append(what)


def manifest(pe):
    resources = getattr(pe, 'DIRECTORY_ENTRY_RESOURCE', None)
    for kind in resources.entries if resources else []:
        if kind.id == pefile.RESOURCE_TYPE['RT_MANIFEST']:
            data = kind.directory.entries[0].directory.entries[0].data.struct
            return ElementTree.fromstring(pe.get_data(data.OffsetToData, data.Size))
    return None


def elements(tree, name):
    return [e for e in tree.iter() if e.tag.split('}')[-1] == name] if tree is not None else []


def check_common(name, pe):
    imports = {entry.dll.decode().lower().removesuffix('.dll')
               for entry in getattr(pe, 'DIRECTORY_ENTRY_IMPORT', [])}
    delayed = {entry.dll.decode().lower().removesuffix('.dll')
               for entry in getattr(pe, 'DIRECTORY_ENTRY_DELAY_IMPORT', [])}
    check(f'{name} imports only KnownDLLs and the common controls: {sorted(imports | delayed)}',
          imports and (imports | delayed) <= ALLOWED_IMPORTS)
    check(f'{name} has non-executable data (NX)', pe.OPTIONAL_HEADER.DllCharacteristics & NX_COMPAT)
    for section in pe.sections:
        writable_and_executable = (section.Characteristics & 0x80000000) and (section.Characteristics & 0x20000000)
        section_name = section.Name.rstrip(b'\0').decode()
        check(f'{name} section {section_name} is not both writable and executable', not writable_and_executable)
    tree = manifest(pe)
    check(f'{name} has a manifest', tree is not None)
    supported = {e.get('Id', '').lower() for e in elements(tree, 'supportedOS')}
    for guid, windows in SUPPORTED_OS.items():
        check(f'{name} manifest says it supports Windows {windows}', guid in supported)
    levels = elements(tree, 'requestedExecutionLevel')
    check(f'{name} manifest asks for no elevation (asInvoker)',
          len(levels) == 1 and levels[0].get('level') == 'asInvoker' and levels[0].get('uiAccess', 'false') == 'false')
    controls = [e for e in elements(tree, 'assemblyIdentity') if e.get('name') == 'Microsoft.Windows.Common-Controls']
    check(f'{name} manifest asks for the common controls 6.0', [e.get('version') for e in controls] == ['6.0.0.0'])
    check(f'{name} manifest declares DPI awareness', bool(elements(tree, 'dpiAware')))
    return tree


def map_symbols(path):
    """Addresses of the program's symbols, from the linker's map."""
    with open(path) as f:
        return {m.group(2): int(m.group(1), 16) for m in re.finditer(r'^ +0x([0-9a-f]+) +([A-Za-z_]\w*)$', f.read(), re.M)}


def calls_to(pe, target):
    """Direct calls and jumps in the code to an address."""
    if target is None:
        return 0
    count = 0
    for section in pe.sections:
        if not section.Characteristics & 0x20000000:
            continue
        code = section.get_data()
        start = pe.OPTIONAL_HEADER.ImageBase + section.VirtualAddress
        for at in (m.start() for m in re.finditer(rb'[\xe8\xe9]', code)):
            if at + 5 <= len(code) and start + at + 5 + int.from_bytes(code[at + 1:at + 5], 'little', signed=True) == target:
                count += 1
    return count


def check_program(path):
    name = os.path.basename(path)
    pe = pefile.PE(path)
    tree = check_common(name, pe)
    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    check(f'{name} is relocatable (ASLR) and keeps its relocations',
          flags & DYNAMIC_BASE and not pe.FILE_HEADER.Characteristics & 0x1 and
          pe.OPTIONAL_HEADER.DATA_DIRECTORY[5].Size > 0)
    check(f'{name} takes addresses from the whole 64-bit range', flags & HIGH_ENTROPY_VA)
    check(f'{name} carries no time stamp', pe.FILE_HEADER.TimeDateStamp == 0)
    check(f'{name} checksum is right', pe.OPTIONAL_HEADER.CheckSum == pe.generate_checksum())
    config = getattr(pe, 'DIRECTORY_ENTRY_LOAD_CONFIG', None)
    dependent = config and (getattr(config.struct, 'DependentLoadFlags', None) or getattr(config.struct, 'Reserved1', 0))
    check(f'{name} asks the loader for system-folder DLLs only (DependentLoadFlags)',
          dependent == LOAD_LIBRARY_SEARCH_SYSTEM32)
    with open(path, 'rb') as f:
        data = f.read()
    symbols = map_symbols(os.path.splitext(path)[0] + '.map')
    base = pe.OPTIONAL_HEADER.ImageBase
    functions = {entry.name.decode() for dll in pe.DIRECTORY_ENTRY_IMPORT for entry in dll.imports if entry.name}
    check(f'{name} calls no CryptoAPI function (the stack guard is seeded without one)',
          not any(f.startswith('Crypt') for f in functions))
    callbacks = []
    if hasattr(pe, 'DIRECTORY_ENTRY_TLS'):
        at = pe.DIRECTORY_ENTRY_TLS.struct.AddressOfCallBacks - base
        while pe.get_qword_at_rva(at + 8 * len(callbacks)):
            callbacks.append(pe.get_qword_at_rva(at + 8 * len(callbacks)))
    first = symbols.get('dusklampFirstStep')
    check(f'{name} restricts the DLL search in its first TLS callback, before the C run-time starts',
          first is not None and callbacks[:1] == [pe.get_qword_at_rva(first - base)])
    check(f'{name} has the stack protector (many functions end in the guard\'s check)',
          calls_to(pe, symbols.get('__stack_chk_fail')) >= 100)
    check(f'{name} has its own guard and failure handlers for checked C library calls (fortify)',
          symbols.get('__stack_chk_guard') and symbols.get('__chk_fail') and b'stack smashing detected' not in data)
    check(f'{name} manifest does not name Vista, which lacks functions it imports',
          VISTA not in {e.get('Id', '').lower() for e in elements(tree, 'supportedOS')})
    dpi = [e.text for e in elements(tree, 'dpiAwareness')]
    check(f'{name} manifest asks for per-monitor DPI awareness', dpi and dpi[0].startswith('PerMonitorV2'))
    check(f'{name} stays under 720 KB ({len(data)} bytes)', len(data) < 720 * 1024)


def main():
    program = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, 'build', 'win', 'Dusklamp.exe')
    installers = sys.argv[2:] or glob.glob(os.path.join(ROOT, 'dist', 'Dusklamp-*-setup.exe'))
    check_program(program)
    check('there is an installer to check', len(installers) == 1)
    for installer in installers:
        # NSIS's prebuilt stubs carry no relocations, so the installer cannot be relocatable.
        check_common(os.path.basename(installer), pefile.PE(installer, fast_load=False))
    if failures:
        sys.exit(f'{len(failures)} check(s) failed')


if __name__ == '__main__':
    main()
