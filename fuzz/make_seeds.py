#!/usr/bin/env python3
"""Writes the inputs each fuzz target starts from into fuzz/seeds/<folder>/."""
import pathlib
import struct
import zlib

SEEDS = pathlib.Path(__file__).resolve().parent / "seeds"


def info_header(size, width, height, bits, compression=0, clr_used=0, masks=()):
    header = struct.pack("<IiiHHIIiiII", size, width, height, 1, bits, compression, 0,
                         2835, 2835, clr_used, 0)
    header += b"".join(struct.pack("<I", m) for m in masks)
    return header + bytes(size - len(header))


def core_header(width, height, bits):
    return struct.pack("<IHHHH", 12, width, height, 1, bits)


def bmp(header, table, pixels, after_header=b""):
    offset = 14 + len(header) + len(after_header) + len(table)
    file_header = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    return file_header + header + after_header + table + pixels


def table(count, entry_size=4):
    entries = [bytes([(i * 37) & 255, (i * 91) & 255, (i * 13) & 255, i & 3][:entry_size])
               for i in range(count)]
    return b"".join(entries)


def bmp_seeds():
    return {
        # 3 x 3, rows padded to 4 bytes.
        "info_8bit.bmp": bmp(info_header(40, 3, 3, 8, clr_used=4), table(4),
                             bytes([0, 1, 2, 0, 3, 2, 1, 0, 1, 1, 3, 0])),
        "info_8bit_top_down.bmp": bmp(info_header(40, 2, -2, 8, clr_used=3), table(3),
                                      bytes([0, 1, 0, 0, 2, 1, 0, 0])),
        "core_1bit.bmp": bmp(core_header(9, 2, 1), table(2, 3),
                             bytes([0xA5, 0x80, 0, 0, 0x5A, 0x00, 0, 0])),
        "v4_4bit.bmp": bmp(info_header(108, 5, 2, 4), table(16),
                           bytes([0x12, 0x34, 0x50, 0, 0xFE, 0xDC, 0xB0, 0])),
        # Encoded run, absolute run, end of line, delta, end of bitmap.
        "info_rle8.bmp": bmp(info_header(40, 6, 3, 8, compression=1, clr_used=8), table(8),
                             bytes([3, 7, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 2, 1, 2, 5, 0, 1])),
        "info_rle4.bmp": bmp(info_header(40, 7, 2, 4, compression=2), table(16),
                             bytes([0, 5, 0xAB, 0xCD, 0xE0, 0, 2, 0xF1, 0, 0, 3, 0x21, 0, 1])),
        "info_24bit.bmp": bmp(info_header(40, 2, 2, 24), b"",
                              bytes([1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0])),
        "info_16bit_bitfields.bmp": bmp(info_header(40, 2, 1, 16, compression=3), b"",
                                        bytes([0x1F, 0xF8, 0xE0, 0x07]),
                                        after_header=struct.pack("<III", 0xF800, 0x07E0, 0x1F)),
        "v5_32bit_bitfields.bmp": bmp(info_header(124, 1, 2, 32, compression=3,
                                                  masks=(0xFF, 0xFF00, 0xFF0000, 0xFF000000)),
                                      b"", bytes([1, 2, 3, 255, 4, 5, 6, 255])),
    }


def png(width, height, depth, colour_type, rows, palette=b"", text=None, interlaced=False):
    """rows: each row's bytes as stored, without its filter byte."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data)))
    header = struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0, int(interlaced))
    data = chunk(b"IHDR", header)
    if palette:
        data += chunk(b"PLTE", palette)
    if text is not None:
        data += chunk(b"tEXt", b"Tintara skin\0" + text)
    data += chunk(b"IDAT", zlib.compress(b"".join(b"\0" + row for row in rows)))
    return b"\x89PNG\r\n\x1a\n" + data + chunk(b"IEND", b"")


def skin_note(table, codes, checksum):
    entries = "".join(" %02x%02x%02x%02x" % entry for entry in table)
    return ("tintara-skin 1\ntable%s\ncodes %s\npalette-crc32 %08x\n"
            % (entries, codes, checksum)).encode()


def png_seeds():
    palette = bytes([0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255])
    note = skin_note([(8, 8, 8, 0), (16, 16, 16, 0), (24, 24, 24, 1)], "17 18 ",
                     zlib.crc32(palette))
    return {
        "palette_8bit_note.png": png(3, 2, 8, 3, [bytes([0, 1, 2]), bytes([2, 1, 0])], palette,
                                     note),
        "palette_2bit.png": png(5, 2, 2, 3, [bytes([0x1B, 0x80]), bytes([0xE4, 0x40])], palette),
        # One pixel: only the first of the seven passes holds anything.
        "palette_1bit_interlaced.png": png(1, 1, 1, 3, [bytes([0x80])], palette[:6],
                                           interlaced=True),
        "rgb_16bit.png": png(2, 1, 16, 2, [bytes([255, 255, 128, 128, 0, 0, 1, 2, 3, 4, 5, 6])]),
        "grey_alpha.png": png(2, 1, 8, 4, [bytes([200, 255, 100, 0])]),
        "rgba.png": png(1, 2, 8, 6, [bytes([1, 2, 3, 4]), bytes([5, 6, 7, 8])]),
    }


def skin_note_seeds():
    black = zlib.crc32(bytes(3))
    return {
        "painted.txt": skin_note([(i, 255 - i, i // 2, i % 3) for i in range(256)],
                                 "17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 ", black),
        "unpainted.txt": skin_note([(1, 2, 3, 0)], "", black),
        "other_palette.txt": skin_note([(1, 2, 3, 0), (4, 5, 6, 7)], "9 8 ", 0x01234567),
    }


def ini_input(section, key, value, other_section, other_key, content):
    """fuzz_ini_file's input: five lines naming what to set and what else to look up, then the
    INI text."""
    fields = [section, key, value, other_section, other_key]
    return "".join(f + "\n" for f in fields).encode("latin-1") + content


def ini_seeds():
    settings = (b"[TForm1]\nLeft=193\nTop=115\nWidth=485\nHeight=397\n"
                b"[Setup]\nHideHints=0\nLastCodes=9 223 224\n")
    return {
        "new_file.ini": ini_input("TForm1", "Left", "193", "TForm1", "Top", b""),
        "existing_key.ini": ini_input("setup", "HIDEHINTS", "1", "TForm1", "Left", settings),
        "new_key.ini": ini_input("Setup", "Extra", "x=y", "Setup", "HideHints", settings),
        "new_section.ini": ini_input("Other", "Key", "$20", "Setup", "LastCodes", settings),
        "crlf.ini": ini_input("Setup", "HideHints", "1", "TForm1", "Top",
                              b"[Setup]\r\nHideHints=0\r\n[TForm1]\r\nTop=0x20"),
        "byte_order_mark.ini": ini_input("Setup", "A", "-4", "Setup", "B",
                                         b"\xef\xbb\xbf[Setup]\nB=2\n"),
        "comments_and_blanks.ini": ini_input(
            "Setup", "Left", "5", "Setup", "Code",
            b"; settings\n\n  [ Setup ] trailing\n;Left=2\nLeft\n\t Code = 'a b' \n\n"),
        "repeated.ini": ini_input("S", "A", "3", "s", "a",
                                  b"[S]\nA=first\na=second\n[s]\nA=third\n"),
        "unterminated.ini": ini_input("Setup", "New", "v", "Setup", "HideHints",
                                      b"[Setup]\nHideHints=0"),
        "damaged.ini": ini_input("Setup", "bad\xc3", "\xe9", "Setup", "Top",
                                 b"\xff\xfe\x00\x80garbage=\x01\n[Setup]\r\nHide\x00=1\n"
                                 b"[Setup]\nTop=9"),
    }


def code_string_seeds():
    return {
        "default.txt": b"9 223 224 127 128 129 130 131 132 133 221 219 217 215 210 39",
        "written.txt": b"0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 255 ",
        "hexadecimal.txt": b"$FF x1f X20 0x7 0X08 $0 $ffffffff",
        "signs.txt": b"+5 -1 007 -0 2147483647 -2147483648 2147483648 256",
        "blanks.txt": b"  1   2\t3 ",
        "bad_token.txt": b"1 2 three 4",
        "too_many.txt": b" ".join(str(i).encode() for i in range(20)),
    }


def page_seeds():
    line = b'<FONT SIZE="2" FACE="Helvetica, Arial, Verdana">'
    return {
        "saved.htm": b"<HTML>\r\n<BODY>\r\n" + line + b"\r\n<!--MOXEL--> 9 223 1 <BR>\r\n</BODY>\r\n",
        "references.htm": b"<!--MOXEL--> &#x41;&#65;&amp;&lt;&nbsp;&#1089;&#0;&#xD83D; &am&amp;p;<BR>",
        "latin1.htm": b"<P><!--MOXEL-->Gr\xfcn 1 < 2</P>\n",
        "no_marker.htm": b"<HTML><!--MOXEL 1 2 3<BR></HTML>",
        "code_string.txt": b"1 <2> & \"3\" \xc3\xa9 \xd1\x81 \xf0\x9f\x98\x80",
    }


def codes_file_seeds():
    return {
        "lines.txt": b"1 2 3\r\n5 x 7\n\n9 \n",
        "named.txt": b"# comment\n1 2 # red\n\n3 # a/b\n # \n",
        "pattern.txt": b"out/{name}/{n}.png\0skin\0" + b"x" * 12,
        "escape.txt": b"{name}/../{n}.bmp\0..\0",
        "long_line.txt": b"1" * 70000 + b"\n2\n",
        "crlf_across_pieces.txt": b"1\r\n2 # a\r\n# c\r\n",
        "slots.txt": b"1,2,6-10,016,3-3",
    }


def code_book_seeds():
    written = b"9 223 224 127 128 129 130 131 132 133 221 219 217 215 210 39 "
    return {
        "book.txt": b"# my skins\n\n" + written + b" # Red # Blue\n" + written + b" # \n",
        "bad_line.txt": b"1 2 x # broken\r\n3 4 \r\n#\r\n",
        "no_end.txt": b"\r\r\n # only a name\n5 # a",
        "long_line.txt": b"1 2 # a\n" + b"3 " * 40000 + b"# long\r\n1 2 # a\n",
    }


def placement_seeds():
    def numbers(*values):
        return b"".join(struct.pack("<i", v) for v in values)
    return {
        "corner.bin": numbers(1270, 1015, 485, 397, 120, 80, 1, 0, 0, 1280, 1024, 0, 0, 0, 0),
        "above.bin": numbers(100, -380, 485, 397, 120, 80, 1, 0, 0, 1280, 1024, 0, 30, 0, 0),
        "two_screens.bin": numbers(-200, 100, 2000, 2000, 120, 80, 2, -1600, 0, 1600, 1200,
                                   0, 0, 0, 40, 0, 0, 1000, 800, 0, 30, 0, 0),
    }


def palette_text_seeds():
    colours = bytes([4, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120])
    slots = bytes([1, 2, 224] * 16)
    skin = bytes([3, 2, 2, 1, 2, 3, 4, 5, 6, 0, 1, 1, 0, 1, 0, 1])
    return {
        "palette.bin": colours + slots + skin + b"my skin",
        "name_with_breaks.bin": colours + slots + skin + b"a\nName: b\r\n#",
    }


def palette_seeds():
    """Each starts with the byte that chooses the extension: 0 .gpl, 1 .pal, 2 .ase, 3 .act,
    4 .hex, 5 .txt."""
    def be(value, size):
        return value.to_bytes(size, "big")

    def swatch(name, model, channels):
        body = be(len(name) + 1, 2) + name.encode("utf-16-be") + b"\0\0" + model
        body += b"".join(struct.pack(">f", c) for c in channels) + be(2, 2)
        return be(1, 2) + be(len(body), 4) + body

    ase = (b"ASEF" + be(1, 2) + be(0, 2) + be(4, 4) + be(0xC001, 2) + be(4, 4) + be(1, 2)
           + be(0, 2) + swatch("Red", b"RGB ", (1, 0, 0)) + swatch("ink", b"CMYK", (0, 0, 0, 1))
           + swatch("grey", b"Gray", (0.5,)))
    riff_data = struct.pack("<HH", 0x300, 2) + bytes([255, 0, 0, 0, 0, 128, 255, 0])
    riff_chunk = b"data" + struct.pack("<I", len(riff_data)) + riff_data
    riff = b"RIFF" + struct.pack("<I", 4 + len(riff_chunk)) + b"PAL " + riff_chunk
    act = bytes([255, 0, 0, 0, 128, 255]) + bytes(762) + be(2, 2) + be(0xFFFF, 2)
    return {
        "gimp.gpl.bin": b"\0GIMP Palette\nName: Warm\nColumns: 16\n#\n255   0   0\tSlot 1: code 9\n"
                        b"  0 128 255\tSlot 3: 224, Slot 5: 224\n",
        "gimp_rgba.gpl.bin": b"\0GIMP Palette\r\nChannels: RGBA\r\n255 0 0 128 Half\r\n",
        "jasc.pal.bin": b"\1JASC-PAL\r\n0100\r\n2\r\n255 0 0\r\n0 128 255\r\n",
        "riff.pal.bin": b"\1" + riff,
        "swatches.ase.bin": b"\2" + ase,
        "table.act.bin": b"\3" + act,
        "lospec.hex.bin": b"\4ff0000\n0080ff\n",
        "paint_net.txt.bin": b"\5; paint.net Palette File\nFFFF0000\nFF0080FF\n",
    }


def main():
    for folder, seeds in (("bmp", bmp_seeds()), ("png", png_seeds()),
                          ("skin_note", skin_note_seeds()), ("ini", ini_seeds()),
                          ("code_string", code_string_seeds()), ("page", page_seeds()),
                          ("codes_file", codes_file_seeds()), ("code_book", code_book_seeds()),
                          ("placement", placement_seeds()),
                          ("palette_text", palette_text_seeds()),
                          ("palette", palette_seeds())):
        (SEEDS / folder).mkdir(parents=True, exist_ok=True)
        for name, data in seeds.items():
            (SEEDS / folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
