"""What the test skins' picture scripts share: writing a 24-bit BMP."""
import struct


def bmp24(path, w, h, pixel):
    """Writes a bottom-up 24-bit BMP of w x h whose pixel(x, y) gives (r, g, b)."""
    row = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        line = bytearray()
        for x in range(w):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        data += line + bytes(row - len(line))
    head = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(head + info + data)


def png32(path, w, h, pixel):
    """Writes a 32-bit RGBA PNG of w x h whose pixel(x, y) gives (r, g, b, a)."""
    import zlib
    raw = bytearray()
    for y in range(h):
        raw.append(0)  # no filter
        for x in range(w):
            raw += bytes(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0)
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(bytes(raw), 9))
                + chunk(b'IEND', b''))
