#!/usr/bin/python3
"""Writes the multi-file winget manifest (schema 1.28.0) of a release zip: the version, installer
and default-locale files, into the output folder. The switches and return codes come from
package/deployment.yaml, the version and names from CMake, the hash from the zip itself."""

import argparse
import hashlib
import os

import yaml

MANIFEST_VERSION = "1.28.0"
LOCALE = "en-US"


def sha256(path):
    digest = hashlib.sha256()
    with open(path, "rb") as file:
        for block in iter(lambda: file.read(1 << 20), b""):
            digest.update(block)
    return digest.hexdigest().upper()


def expected_return_code(entry, help_url):
    code = {"InstallerReturnCode": entry["code"], "ReturnResponse": entry["winget"]}
    if entry["winget"] == "custom":
        code["ReturnResponseUrl"] = help_url
    return code


def write(folder, name, kind, fields):
    fields.update(ManifestType=kind, ManifestVersion=MANIFEST_VERSION)
    schema = "https://aka.ms/winget-manifest.%s.%s.schema.json" % (kind, MANIFEST_VERSION)
    with open(os.path.join(folder, name), "w", encoding="utf-8") as file:
        file.write("# yaml-language-server: $schema=%s\n" % schema)
        yaml.safe_dump(fields, file, sort_keys=False, allow_unicode=True, width=100)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    for option in ("identifier", "version", "publisher", "product", "product-code", "zip", "url",
                   "publisher-url", "deployment", "output"):
        parser.add_argument("--" + option, required=True)
    args = parser.parse_args()
    with open(args.deployment, encoding="utf-8") as file:
        deployment = yaml.safe_load(file)
    os.makedirs(args.output, exist_ok=True)
    for old in os.listdir(args.output):
        os.remove(os.path.join(args.output, old))
    key = dict(PackageIdentifier=args.identifier, PackageVersion=args.version)

    write(args.output, args.identifier + ".yaml", "version",
          dict(key, DefaultLocale=LOCALE))
    write(args.output, args.identifier + ".installer.yaml", "installer", dict(
        key,
        InstallerType="zip",
        NestedInstallerType="exe",
        NestedInstallerFiles=[{"RelativeFilePath": "Bin\\ChipsetInstaller.exe"}],
        Scope="machine",
        ElevationRequirement="elevationRequired",
        InstallModes=["interactive", "silent", "silentWithProgress"],
        InstallerSwitches=dict(deployment["switches"]),
        ExpectedReturnCodes=[expected_return_code(entry, args.publisher_url + "#exit-codes")
                             for entry in deployment["exitCodes"] if entry["code"] != 0],
        UpgradeBehavior="install",
        AppsAndFeaturesEntries=[{"Publisher": args.publisher, "ProductCode": args.product_code,
                                 "InstallerType": "msi"}],
        Installers=[{"Architecture": "x86",
                     "InstallerUrl": "%s/%s" % (args.url, os.path.basename(args.zip)),
                     "InstallerSha256": sha256(args.zip)}]))
    write(args.output, "%s.locale.%s.yaml" % (args.identifier, LOCALE), "defaultLocale", dict(
        key,
        PackageLocale=LOCALE,
        Publisher=args.publisher,
        PublisherUrl=args.publisher_url,
        PackageName=args.product,
        License="Proprietary",
        ShortDescription="Installs the chipset drivers this machine needs from the Zorva"
                         " chipset driver package.",
        Description="Detects the machine's chipset devices, installs the drivers of the Zorva"
                    " chipset driver package that they need, and reports the outcome. It needs"
                    " Zorva chipset hardware: on other machines it installs nothing (exit code"
                    " 1633).",
        Tags=["chipset", "drivers", "zorva"]))


if __name__ == "__main__":
    main()
