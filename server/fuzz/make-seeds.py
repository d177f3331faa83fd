#!/usr/bin/env python3
"""Writes the fuzz target's starting inputs into the folder given: a small
PNG and JPEG, and a form sequence that passes every check (so the fuzzer
starts from a good upload and mutates towards the edges)."""
import pathlib
import struct
import sys
import zlib


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png():
    raw = b"".join(b"\x00" + bytes([x * 40, 90, 200]) * 3 for x in range(2))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 3, 2, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def jpeg():
    sof = b"\xff\xc0" + struct.pack(">HBHHB", 11, 8, 2, 3, 1) + b"\x01\x11\x00"
    return b"\xff\xd8" + b"\xff\xe0" + struct.pack(">H", 6) + b"JFIF" + sof + b"\xff\xd9"


def begin(name_index, file_name=b""):
    return bytes([0, name_index, len(file_name)]) + file_name


def data(payload):
    assert len(payload) < 2048
    return bytes([1, len(payload) // 8, len(payload) % 8]) + payload


def form(picture, tag):
    return (begin(0) + data(b"0cc175b9c0f1b6a831c399e269772661") + bytes([2])
            + begin(1) + data(tag)
            + begin(2, b"TMP_SCREEN_NAME9e3669d19b675bd5") + data(picture))


out = pathlib.Path(sys.argv[1])
out.mkdir(parents=True, exist_ok=True)
(out / "picture.png").write_bytes(png())
(out / "picture.jpg").write_bytes(jpeg())
(out / "form-png").write_bytes(form(png(), b".PNG"))
(out / "form-jpg").write_bytes(form(jpeg(), b".JPG"))
