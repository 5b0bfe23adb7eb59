#!/usr/bin/env python3
"""Writes the fuzzer's seed files into corpus/: a few valid project files and
a few broken ones, each broken in one way the reader must refuse. The layout
is built here independently of the program's own writer."""
import pathlib
import shutil
import struct

HERE = pathlib.Path(__file__).resolve().parent
CORPUS = HERE / "corpus"


def text(value, width):
    data = value.encode("cp1250")
    assert len(data) < width
    return data + b"\0" * (width - len(data))


def project(items=(), columns=2, texts=("", "", "", "kupuję", ""), flags=(1, 0, 0), links=()):
    header = struct.pack("<ii", len(items), columns)
    header += struct.pack("<18i", 255, 251, 240, 238, 237, 248, 121, 134, 170, 217, 224, 247, *([121, 134, 170] * 2))
    header += bytes([flags[0]]) + struct.pack("<4i", 2, 0, 133, 94)
    for value, width in zip(texts, (255, 255, 255, 50, 70)):
        header += text(value, width)
    header += bytes(flags[1:])
    assert len(header) == 984
    body = b"".join(text(n, 255) + text(p, 20) + text(d, 750) + text(pic, 255) for n, p, d, pic in items)
    link_list = list(links) + [("", "")] * (30 - len(links))
    return header + body + b"".join(text(n, 255) + text(p, 255) for n, p in link_list)


def main():
    CORPUS.mkdir(exist_ok=True)
    item = ("Miód lipowy", "24,90", "Jasny.\r\nZ pasieki.", "C:\\zdjęcia\\miód.jpg")
    seeds = {
        "empty.esk": project(),
        "one-item.esk": project([item], columns=3, texts=("C:\\t.jpg", "", "Sklep Łąka", "do koszyka", "a@b.pl"),
                                flags=(0, 1, 1), links=[("O nas", "https://example.pl")]),
        "null-texts.esk": project(texts=("(null)",) * 5),
        "bad-price.esk": project([("Kubek", "abc", "", "Kliknij aby wczytać obrazek")] * 2, columns=1),
    }
    good = seeds["one-item.esk"]
    seeds["truncated.esk"] = good[:-1]
    seeds["longer.esk"] = good + b"\0"
    seeds["count-101.esk"] = struct.pack("<i", 101) + good[4:]
    seeds["columns-0.esk"] = good[:4] + struct.pack("<i", 0) + good[8:]
    seeds["flag-2.esk"] = good[:983] + b"\2" + good[984:]
    seeds["caption-without-nul.esk"] = good[:862] + b"k" * 50 + good[912:]
    seeds["not-a-project.gif"] = b"GIF89a\1\0\1\0"
    for name, data in seeds.items():
        (CORPUS / name).write_bytes(data)
    shutil.copyfile(HERE.parent / "examples" / "sklep.esk", CORPUS / "sample.esk")


if __name__ == "__main__":
    main()
