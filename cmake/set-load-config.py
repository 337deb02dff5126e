#!/usr/bin/env python3
"""Points a PE32+ image's load-configuration directory at its `_load_config_used`, which GNU ld
(binutils 2.40) leaves empty, and writes the image's checksum again.
Usage: set-load-config.py IMAGE LINKER_MAP"""
import array
import re
import struct
import sys


def symbol_address(map_path, name):
    with open(map_path, encoding='utf-8', errors='replace') as f:
        for line in f:
            found = re.match(r'\s+0x([0-9a-f]+)\s+' + re.escape(name) + r'\s*$', line)
            if found:
                return int(found.group(1), 16)
    sys.exit(f'{map_path}: no {name}')


def file_offset(image, pe, rva):
    sections = struct.unpack_from('<H', image, pe + 6)[0]
    table = pe + 24 + struct.unpack_from('<H', image, pe + 20)[0]
    for i in range(sections):
        size, address, _, raw = struct.unpack_from('<IIII', image, table + 40 * i + 8)
        if address <= rva < address + size:
            return raw + rva - address
    sys.exit(f'RVA {rva:#x} is in no section')


def pe_checksum(image, field):
    words = array.array('H', bytes(image[:len(image) & ~1]))
    words[field // 2] = words[field // 2 + 1] = 0
    total = sum(words) + (image[-1] if len(image) & 1 else 0)
    while total >> 16:
        total = (total & 0xffff) + (total >> 16)
    return total + len(image)


def main(image_path, map_path):
    with open(image_path, 'rb') as f:
        image = bytearray(f.read())
    pe = struct.unpack_from('<I', image, 0x3c)[0]
    optional = pe + 24
    if image[pe:pe + 4] != b'PE\0\0' or struct.unpack_from('<H', image, optional)[0] != 0x20b:
        sys.exit(f'{image_path}: not a PE32+ image')
    base = struct.unpack_from('<Q', image, optional + 24)[0]
    rva = symbol_address(map_path, '_load_config_used') - base
    size = struct.unpack_from('<I', image, file_offset(image, pe, rva))[0]
    struct.pack_into('<II', image, optional + 112 + 8 * 10, rva, size)  # directory 10
    struct.pack_into('<I', image, optional + 64, pe_checksum(image, optional + 64))
    with open(image_path, 'wb') as f:
        f.write(image)


if __name__ == '__main__':
    main(*sys.argv[1:])
