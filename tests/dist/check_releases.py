#!/usr/bin/python3
"""Checks that the metainfo's releases are debian/changelog's, newest first:
each version with its date and, as its notes, the changelog's items word for
word.   check_releases.py CHANGELOG METAINFO"""

import re
import sys
import xml.etree.ElementTree as ElementTree
from email.utils import parsedate_to_datetime


def words(text):
    return " ".join(text.split())


def changelog_releases(path):
    releases = []
    for line in open(path, encoding="utf-8"):
        if heading := re.match(r"kolva \(([^)]+)\)", line):
            releases.append({"version": heading[1], "items": []})
        elif line.startswith("  * "):
            releases[-1]["items"].append(line[4:])
        elif line.startswith("    ") and releases[-1]["items"]:
            releases[-1]["items"][-1] += line
        elif signed := re.match(r" -- .*>  (.*)", line):
            releases[-1]["date"] = parsedate_to_datetime(signed[1]).date().isoformat()
    for release in releases:
        release["items"] = [words(item) for item in release["items"]]
    return releases


def metainfo_releases(path):
    return [{"version": release.get("version"), "date": release.get("date"),
             "items": [words("".join(item.itertext())) for item in release.iterfind("description/ul/li")]}
            for release in ElementTree.parse(path).getroot().iterfind("releases/release")]


def main(changelog, metainfo):
    expected = changelog_releases(changelog)
    found = metainfo_releases(metainfo)
    if found == expected:
        print(f"{len(found)} releases, as debian/changelog gives them")
        return 0
    for want, have in zip(expected, found + [{}] * len(expected)):
        if want != have:
            print(f"{metainfo}: release {have.get('version')} differs from the changelog's"
                  f" {want['version']}:\n  changelog: {want}\n  metainfo:  {have}")
            break
    else:
        print(f"{metainfo}: {len(found)} releases, the changelog {len(expected)}")
    return 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
